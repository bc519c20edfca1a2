#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/competition_model.h"

namespace morvanta {

struct TrialRecord;

// Which species a trial lost, as a class counts them: each trial once.
enum class EndState { Species2Extinct, Species1Extinct, BothExtinct, Neither };
inline constexpr int EndStateCount = 4;

// By the extinction level: a density strictly below it is extinct.
EndState EndStateOf(const Vector2& end);
// "species 2 extinct", "species 1 extinct", "both extinct", "neither".
const char* EndStateName(EndState state);

// A share with its 95 % Wilson score interval.
struct Share {
    double share = 0.0;
    double low95 = 0.0;
    double high95 = 0.0;
};

// The Wilson score interval at 95 % (z = 1.959964) of `count` in `trials`; with no trials,
// nothing is known: 0 and the whole of [0, 1].
Share WilsonShare(long long count, long long trials);

// How many trials ended each way.
class EndCounts {
public:
    void Add(EndState state) { ++counts_[static_cast<std::size_t>(state)]; }
    void Add(const std::vector<TrialRecord>& records);
    long long Of(EndState state) const { return counts_[static_cast<std::size_t>(state)]; }
    long long Trials() const;
    Share ShareOf(EndState state) const { return WilsonShare(Of(state), Trials()); }

private:
    std::array<long long, EndStateCount> counts_{};
};

}  // namespace morvanta
