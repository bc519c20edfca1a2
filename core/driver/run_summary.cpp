#include "core/driver/run_summary.h"

#include "core/driver/outcome_shares.h"

namespace morvanta {

std::string EmptyPlotText() {
    return "Empty plot. Species 1 density across from 0 to 1.2, species 2 density up from 0 to "
           "1.2.";
}

std::string RunSummaryText(const std::string& scenarioCaption,
                           const std::vector<TrialRecord>& records) {
    EndCounts counts;
    counts.Add(records);
    const auto count = [&](EndState state) { return std::to_string(counts.Of(state)); };
    const std::size_t trials = records.size();
    return "Scenario " + scenarioCaption + ", " + std::to_string(trials) +
           (trials == 1 ? " trial" : " trials") + ". Species 1 died out in " +
           count(EndState::Species1Extinct) + ", species 2 in " + count(EndState::Species2Extinct) +
           ", both in " + count(EndState::BothExtinct) + ", neither in " +
           count(EndState::Neither) + ".";
}

}  // namespace morvanta
