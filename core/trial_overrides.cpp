#include "core/trial_overrides.h"

#include "core/number_text.h"

namespace morvanta {

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
    return "a12 " + ShortestText(overrides.coefficients->a12) + ", a21 " +
           ShortestText(overrides.coefficients->a21);
}

}  // namespace morvanta
