#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/competition_model.h"
#include "core/driver/lesson_outcomes.h"

namespace morvanta {

struct TrialRecord;

// Which species a trial lost, as a class counts them: each trial once.
enum class EndState { Species2Extinct, Species1Extinct, BothExtinct, Neither };
inline constexpr int EndStateCount = 4;

// By the extinction level: a density strictly below it is extinct.
EndState EndStateOf(const Vector2& end);
// "species 2 extinct", "species 1 extinct", "both extinct", "neither".
const char* EndStateName(EndState state);
// The tables' short word for which species died out: "2", "1", "both", "none".
const char* ExtinctWord(EndState state);

// A share with its 95 % Wilson score interval.
struct Share {
    double share = 0.0;
    double low95 = 0.0;
    double high95 = 0.0;
};

// The Wilson score interval at 95 % (z = 1.959964) of `count` in `trials`; with no trials,
// nothing is known: 0 and the whole of [0, 1].
Share WilsonShare(long long count, long long trials);

// How many trials ended each way: by the species they lost, and by the lesson's results.
class EndCounts {
public:
    void Add(EndState state) { ++counts_[static_cast<std::size_t>(state)]; }
    void Add(const std::vector<TrialRecord>& records);
    long long Of(EndState state) const { return counts_[static_cast<std::size_t>(state)]; }
    long long Of(TrialResult result) const { return results_[static_cast<std::size_t>(result)]; }
    long long Trials() const;
    Share ShareOf(EndState state) const { return WilsonShare(Of(state), Trials()); }
    Share ShareOf(TrialResult result) const { return WilsonShare(Of(result), Trials()); }

private:
    std::array<long long, EndStateCount> counts_{};
    std::array<long long, TrialResultCount> results_{};
};

// The shares as a log line, percentages with their 95 % intervals, e.g.
// "Shares (40 trials): sp.2 45% (31-60), sp.1 50% (35-65), both 0% (0-9), neither 5% (1-17)".
std::string SharesLine(const EndCounts& counts);

// The counts of one session's runs, apart for each scenario and its coefficients: a class
// adds its runs up without mixing two systems.
class SessionCounts {
public:
    // Adds a run's trials; returns the counts so far for its system.
    const EndCounts& Add(Scenario scenario, double a12, double a21,
                         const std::vector<TrialRecord>& records);

private:
    struct System {
        Scenario scenario;
        double a12, a21;
        EndCounts counts;
    };
    std::vector<System> systems_;
};

}  // namespace morvanta
