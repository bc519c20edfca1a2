#pragma once

#include <string>
#include <vector>

#include "core/driver/trial_table.h"

namespace morvanta {

// What the empty plot shows, in words: its axes and their ranges.
std::string EmptyPlotText();

// What a run left on the plot, in words: the scenario (its caption in the window), the
// number of trials and how they ended, each trial counted once as the tally counts it.
std::string RunSummaryText(const std::string& scenarioCaption,
                           const std::vector<TrialRecord>& records);

}  // namespace morvanta
