#include "core/driver/outcome_shares.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/driver/trial_table.h"

namespace morvanta {

EndState EndStateOf(const Vector2& end) {
    const bool lost1 = end[0] < ExtinctionLevel;
    const bool lost2 = end[1] < ExtinctionLevel;
    if (lost1 && lost2) return EndState::BothExtinct;
    if (lost2) return EndState::Species2Extinct;
    if (lost1) return EndState::Species1Extinct;
    return EndState::Neither;
}

const char* EndStateName(EndState state) {
    switch (state) {
        case EndState::Species2Extinct:
            return "species 2 extinct";
        case EndState::Species1Extinct:
            return "species 1 extinct";
        case EndState::BothExtinct:
            return "both extinct";
        case EndState::Neither:
            break;
    }
    return "neither";
}

const char* ExtinctWord(EndState state) {
    switch (state) {
        case EndState::Species2Extinct:
            return "2";
        case EndState::Species1Extinct:
            return "1";
        case EndState::BothExtinct:
            return "both";
        case EndState::Neither:
            break;
    }
    return "none";
}

Share WilsonShare(long long count, long long trials) {
    if (trials <= 0) return {0.0, 0.0, 1.0};
    // The score interval: centre (p + z²/2n) / (1 + z²/n), half-width
    // z / (1 + z²/n) * sqrt(p(1 - p)/n + z²/4n²). Unlike p ± z·se it stays inside [0, 1]
    // and is not empty at 0 of n or n of n.
    constexpr double z = 1.959963984540054;
    const double n = static_cast<double>(trials);
    const double p = static_cast<double>(count) / n;
    const double z2n = z * z / n;
    const double centre = (p + z2n / 2.0) / (1.0 + z2n);
    const double half = z / (1.0 + z2n) * std::sqrt(p * (1.0 - p) / n + z2n / (4.0 * n));
    // At 0 of n and n of n the interval reaches the end exactly; rounding would leave a hair.
    const double low = count <= 0 ? 0.0 : std::max(0.0, centre - half);
    const double high = count >= trials ? 1.0 : std::min(1.0, centre + half);
    return {p, low, high};
}

void EndCounts::Add(const std::vector<TrialRecord>& records) {
    for (const TrialRecord& r : records) {
        Add(EndStateOf(r.end));
        ++results_[static_cast<std::size_t>(ResultOf(r))];
    }
}

std::string SharesLine(const EndCounts& counts) {
    constexpr const char* Names[] = {"sp.2", "sp.1", "both", "neither"};
    const auto percent = [](double share) {
        return std::to_string(static_cast<long long>(std::lround(share * 100.0)));
    };
    std::string line = "Shares (" + std::to_string(counts.Trials()) + " trials):";
    for (int k = 0; k < EndStateCount; ++k) {
        const Share s = counts.ShareOf(static_cast<EndState>(k));
        line += std::string(k == 0 ? " " : ", ") + Names[k] + ' ' + percent(s.share) + "% (" +
                percent(s.low95) + '-' + percent(s.high95) + ')';
    }
    return line;
}

const EndCounts& SessionCounts::Add(Scenario scenario, double a12, double a21,
                                    const std::vector<TrialRecord>& records) {
    auto it = std::find_if(systems_.begin(), systems_.end(), [&](const System& s) {
        return s.scenario == scenario && s.a12 == a12 && s.a21 == a21;
    });
    if (it == systems_.end()) it = systems_.insert(systems_.end(), System{scenario, a12, a21, {}});
    it->counts.Add(records);
    return it->counts;
}

long long EndCounts::Trials() const { return std::accumulate(counts_.begin(), counts_.end(), 0LL); }

}  // namespace morvanta
