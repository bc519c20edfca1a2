#pragma once

// The plot and the time course in words, for screen readers: every edition gives the same
// text as the plot's description and speaks the same summary when a run ends.

#include <optional>
#include <string>
#include <vector>

#include "core/competition_system.h"
#include "core/driver/outcome_map.h"
#include "core/driver/trial_table.h"
#include "core/trial_overrides.h"

namespace morvanta {

// What the plot was given since it was last cleared.
struct PlotContent {
    std::string scenarioCaption{};  // the "Fixed" group's caption of the scenario
    // The system the options drew; none where the scenario draws new coefficients every trial.
    std::optional<CompetitionSystem> system{};
    bool isoclines = false;
    bool directionField = false;
    bool axisNumbers = false;
    const OutcomeMap* outcomeMap = nullptr;  // the map shaded under everything, if any
    std::optional<OffDiagonal> ownCoefficients{};
    const std::vector<TrialRecord>* run = nullptr;  // the run drawn on the plot, if any
};

// The plot's description: with nothing added by the options, the empty plot's axes or the
// run's summary as they always were; else the axes, what each option drew and, after a run,
// its summary first.
std::string PlotDescription(const PlotContent& content);

// What a screen reader says when a run ends: the scenario, the trials and the count of each
// of the tally's results that happened, in full words ("species 1 won 46"). A run ended
// early by Escape says so instead of the end of job.
std::string RunEndAnnouncement(const std::string& scenarioCaption,
                               const std::vector<TrialRecord>& records, bool complete = true);

// The time course window's description: how many trials are drawn and, for the last one,
// each species' start and end and the step at which one fell below the extinction level.
std::string TimeCourseDescription(const std::vector<TrialRecord>& records);

}  // namespace morvanta
