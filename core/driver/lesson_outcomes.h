#pragma once

// The outcomes of competition as a lesson names them: what a system does in the long run
// (one of the four textbook cases) and how each trial ended in those words, with the two
// kinds of trial that end because of where they started kept apart from the rest.

#include <array>
#include <string>
#include <vector>

#include "core/competition_model.h"
#include "core/competition_system.h"
#include "core/driver/trial_table.h"
#include "core/trial_overrides.h"

namespace morvanta {

class EndCounts;

// The four cases of two-species competition, and the systems none of them fits (the
// reversed scenario, whose every equilibrium is unstable, or a borderline a12 a21 = 1).
enum class SystemCase { Species1Wins, Species2Wins, Coexist, DependsOnStart, NoStableState };

// By the stable equilibria: the interior point stable, the two coexist; both single-species
// points stable (the interior a saddle), the start decides; one of them, that species wins.
// For positive growth terms this is the isoclines' rule: the species whose isocline lies
// outside the other's wins, crossing isoclines coexist or split the plane.
SystemCase CaseOf(const CompetitionSystem& system);
// "species 1 wins", "species 2 wins", "the two species coexist", "the winner depends on the
// start", "no state is stable".
const char* CaseText(SystemCase systemCase);

// The window's caption of a scenario: "Start Point", "Comp Severe", "Comp Mild", "?".
const char* ScenarioCaption(Scenario scenario);
// The command line's name of a scenario: "start-point", "comp-severe", "comp-mild", "reversed".
const char* ScenarioName(Scenario scenario);

// The log line that names a run's system, "Comp Severe: the winner depends on the start";
// the start-point scenario draws a system every trial and says so.
std::string SystemLine(Scenario scenario, const TrialOverrides& overrides);

// How a trial ended, in the lesson's words. A start below the extinction level or at or above
// a capacity ends the trial at its first step whatever the system does: such trials are
// neither a win nor coexistence.
enum class TrialResult {
    Species1Won,       // species 2 died out
    Species2Won,       // species 1 died out
    BothAlive,         // both still alive after the step limit
    ReachedCapacity,   // a species reached its capacity 0.9
    StartedExtinct,    // a start density was already below 0.01
    StartedAtCapacity  // a start density was already 0.9 or more
};
inline constexpr int TrialResultCount = 6;

TrialResult ResultOf(const Vector2& start, const Vector2& end, Outcome outcome);
inline TrialResult ResultOf(const TrialRecord& record) {
    return ResultOf(record.start, record.end, record.outcome);
}
// The tables' words: "species 1 won", "species 2 won", "both alive", "reached capacity",
// "started below 0.01", "started at 0.9 or above".
const char* ResultName(TrialResult result);
// The log's and the map legend's short words: "sp.1 won", "sp.2 won", "both alive",
// "reached 0.9", "start <0.01", "start >=0.9".
const char* ResultLabel(TrialResult result);

// A run's results as a log line, each trial counted once: "Results: sp.1 won 5, sp.2 won 4,
// both alive 1, reached 0.9 0, start <0.01 0, start >=0.9 0".
std::string ResultsTallyLine(const std::vector<TrialRecord>& records);
// The share of each result so far, with its 95 % interval: "Shares (40 trials): sp.1 won 45%
// (31-60), sp.2 won 50% (35-65), ...".
std::string ResultsSharesLine(const EndCounts& counts);

}  // namespace morvanta
