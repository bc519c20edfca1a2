#pragma once

#include <string>
#include <vector>

#include "core/driver/trial_table.h"

namespace morvanta {

// How a run's trials ended, each trial counted once: species 1 alone died out, species 2
// alone, both, or neither.
struct OutcomeCounts {
    int species1Only = 0;
    int species2Only = 0;
    int both = 0;
    int neither = 0;
    friend bool operator==(const OutcomeCounts&, const OutcomeCounts&) = default;
};

OutcomeCounts CountOutcomes(const std::vector<TrialRecord>& records);

// What the empty plot shows, in words: its axes and their ranges.
std::string EmptyPlotText();

// What a run left on the plot, in words: the scenario (its caption in the window), the
// number of trials and how they ended.
std::string RunSummaryText(const std::string& scenarioCaption,
                           const std::vector<TrialRecord>& records);

}  // namespace morvanta
