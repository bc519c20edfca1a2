#pragma once

// Test doubles for the run driver's settings and outlets. The recording ones write every
// call, as text, into the journal the recording surface writes to, so that a test can check
// the order across all of them.

#include <string>
#include <vector>

#include "core/driver/run_driver.h"
#include "tests/support/clocks.h"
#include "tests/support/recording_surface.h"

namespace morvanta::testkit {

class FixedSettings : public RunSettings {
public:
    FixedSettings(int trialsItem, int scenarioItem)
        : trialsItem_(trialsItem), scenarioItem_(scenarioItem) {}
    int TrialsChoice() const override { return trialsItem_; }
    int ScenarioChoice() const override { return scenarioItem_; }

private:
    int trialsItem_;
    int scenarioItem_;
};

class RecordingOutlets : public RunOutlets {
public:
    explicit RecordingOutlets(Journal& journal) : journal_(journal) {}
    void ShowTrialNumber(int n) override;
    void ShowStepNumber(int n) override;
    void AppendLog(const std::string& line) override;

private:
    Journal& journal_;
};

}  // namespace morvanta::testkit
