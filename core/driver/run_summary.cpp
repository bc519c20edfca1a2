#include "core/driver/run_summary.h"

#include "core/competition_model.h"

namespace morvanta {

OutcomeCounts CountOutcomes(const std::vector<TrialRecord>& records) {
    OutcomeCounts counts;
    for (const TrialRecord& r : records) {
        const bool lost1 = r.end[0] < ExtinctionLevel;
        const bool lost2 = r.end[1] < ExtinctionLevel;
        if (lost1 && lost2)
            ++counts.both;
        else if (lost1)
            ++counts.species1Only;
        else if (lost2)
            ++counts.species2Only;
        else
            ++counts.neither;
    }
    return counts;
}

std::string EmptyPlotText() {
    return "Empty plot. Species 1 density across from 0 to 1.2, species 2 density up from 0 to "
           "1.2.";
}

std::string RunSummaryText(const std::string& scenarioCaption,
                           const std::vector<TrialRecord>& records) {
    const OutcomeCounts c = CountOutcomes(records);
    const std::size_t trials = records.size();
    return "Scenario " + scenarioCaption + ", " + std::to_string(trials) +
           (trials == 1 ? " trial" : " trials") + ". Species 1 died out in " +
           std::to_string(c.species1Only) + ", species 2 in " + std::to_string(c.species2Only) +
           ", both in " + std::to_string(c.both) + ", neither in " + std::to_string(c.neither) +
           ".";
}

}  // namespace morvanta
