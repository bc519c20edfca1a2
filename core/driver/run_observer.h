#pragma once

#include <cstdint>

#include "core/competition_model.h"

namespace morvanta {

// Watches a run from inside the driver: where the teaching tools collect each trial's start
// and end. The driver calls it in the order of the run; it draws and shows nothing itself.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    // After the empty plot is drawn and the random source seeded with seed.
    virtual void RunStarted(std::uint32_t seed) = 0;
    // After the trial is set up, before its first step.
    virtual void TrialStarted(int trial, Scenario scenario, const ModelState& model) = 0;
    // After the trial's last step, before its end dot is drawn.
    virtual void TrialEnded(int trial, int steps, const ModelState& model) = 0;
};

}  // namespace morvanta
