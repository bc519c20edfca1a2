#include "core/driver/lesson_outcomes.h"

#include <array>
#include <cmath>

#include "core/driver/outcome_shares.h"
#include "plot/outcome_shading.h"

namespace morvanta {

SystemCase CaseOf(const CompetitionSystem& system) {
    const std::vector<Equilibrium> equilibria = EquilibriaInQuadrant(system);
    // The origin first, then species 1 alone, species 2 alone, and the interior point if any.
    const bool alone1 = equilibria[1].stable;
    const bool alone2 = equilibria[2].stable;
    const bool interior = equilibria.size() > 3 && equilibria[3].stable;
    if (interior) return SystemCase::Coexist;
    if (alone1 && alone2) return SystemCase::DependsOnStart;
    if (alone1) return SystemCase::Species1Wins;
    if (alone2) return SystemCase::Species2Wins;
    return SystemCase::NoStableState;
}

const char* CaseText(SystemCase systemCase) {
    switch (systemCase) {
        case SystemCase::Species1Wins:
            return "species 1 wins";
        case SystemCase::Species2Wins:
            return "species 2 wins";
        case SystemCase::Coexist:
            return "the two species coexist";
        case SystemCase::DependsOnStart:
            return "the winner depends on the start";
        case SystemCase::NoStableState:
            break;
    }
    return "no state is stable";
}

const char* ScenarioCaption(Scenario scenario) {
    constexpr std::array<const char*, ScenarioCount> Captions{"Start Point", "Comp Severe",
                                                              "Comp Mild", "?"};
    return Captions[static_cast<std::size_t>(ItemOf(scenario))];
}

const char* ScenarioName(Scenario scenario) {
    constexpr std::array<const char*, ScenarioCount> Names{"start-point", "comp-severe",
                                                           "comp-mild", "reversed"};
    return Names[static_cast<std::size_t>(ItemOf(scenario))];
}

std::string SystemLine(Scenario scenario, const TrialOverrides& overrides) {
    const std::string caption = ScenarioCaption(scenario);
    const auto system = FixedSystemOf(scenario, overrides);
    if (!system) return caption + ": each trial draws its own coefficients";
    return caption + ": " + CaseText(CaseOf(*system));
}

TrialResult ResultOf(const Vector2& start, const Vector2& end, Outcome outcome) {
    if (ExtinctIn(start)) return TrialResult::StartedExtinct;
    if (AtCapacityIn(start, Vector2{CarryingCapacity, CarryingCapacity}))
        return TrialResult::StartedAtCapacity;
    const bool lost1 = end[0] < ExtinctionLevel;
    const bool lost2 = end[1] < ExtinctionLevel;
    // Both cannot die out at one step from starts at or above the level: while both are
    // that small, neither carries a load near its capacity, so neither falls.
    if (lost1 && lost2) return TrialResult::StartedExtinct;
    if (lost2) return TrialResult::Species1Won;
    if (lost1) return TrialResult::Species2Won;
    return outcome == Outcome::Capacity ? TrialResult::ReachedCapacity : TrialResult::BothAlive;
}

const char* ResultName(TrialResult result) {
    constexpr std::array<const char*, TrialResultCount> Names{
        "species 1 won",    "species 2 won",      "both alive",
        "reached capacity", "started below 0.01", "started at 0.9 or above"};
    return Names[static_cast<std::size_t>(result)];
}

const char* ResultLabel(TrialResult result) {
    static_assert(OutcomeLegend.size() == TrialResultCount);
    return OutcomeLegend[static_cast<std::size_t>(result)];
}

std::string ResultsTallyLine(const std::vector<TrialRecord>& records) {
    EndCounts counts;
    counts.Add(records);
    std::string line = "Results:";
    for (int k = 0; k < TrialResultCount; ++k) {
        const auto result = static_cast<TrialResult>(k);
        line += std::string(k == 0 ? " " : ", ") + ResultLabel(result) + ' ' +
                std::to_string(counts.Of(result));
    }
    return line;
}

std::string ResultsSharesLine(const EndCounts& counts) {
    const auto percent = [](double share) {
        return std::to_string(static_cast<long long>(std::lround(share * 100.0)));
    };
    std::string line = "Shares (" + std::to_string(counts.Trials()) + " trials):";
    for (int k = 0; k < TrialResultCount; ++k) {
        const auto result = static_cast<TrialResult>(k);
        const Share s = counts.ShareOf(result);
        line += std::string(k == 0 ? " " : ", ") + ResultLabel(result) + ' ' + percent(s.share) +
                "% (" + percent(s.low95) + '-' + percent(s.high95) + ')';
    }
    return line;
}

}  // namespace morvanta
