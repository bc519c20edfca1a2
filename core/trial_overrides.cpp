#include "core/trial_overrides.h"

#include <array>
#include <charconv>

namespace morvanta {
namespace {

std::string Shortest(double value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace

bool TakesOverrides(Scenario scenario) { return scenario != Scenario::StartPoint; }

void SetUpTrial(ModelState& model, Scenario scenario, const TrialOverrides& overrides) {
    SetUpTrial(model, scenario);
    if (!TakesOverrides(scenario)) return;
    if (overrides.coefficients) {
        model.A[0][1] = overrides.coefficients->a12;
        model.A[1][0] = overrides.coefficients->a21;
    }
    if (overrides.start) model.N = *overrides.start;
}

std::optional<CompetitionSystem> FixedSystemOf(Scenario scenario, const TrialOverrides& overrides) {
    std::optional<CompetitionSystem> system = FixedSystemOf(scenario);
    if (system && overrides.coefficients) {
        system->a12 = overrides.coefficients->a12;
        system->a21 = overrides.coefficients->a21;
    }
    return system;
}

std::string OwnCoefficientsLine(Scenario scenario, const TrialOverrides& overrides) {
    if (!TakesOverrides(scenario) || !overrides.coefficients) return {};
    return "a12 " + Shortest(overrides.coefficients->a12) + ", a21 " +
           Shortest(overrides.coefficients->a21);
}

}  // namespace morvanta
