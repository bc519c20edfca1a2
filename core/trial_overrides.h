#pragma once

#include <optional>
#include <string>

#include "core/competition_model.h"
#include "core/competition_system.h"

namespace morvanta {

// The off-diagonal coefficients a teacher chooses: A[1][2] and A[2][1].
struct OffDiagonal {
    double a12 = 0.0;
    double a21 = 0.0;
    friend bool operator==(const OffDiagonal&, const OffDiagonal&) = default;
};

// The range a teacher may choose each off-diagonal coefficient from.
inline constexpr double MinOwnCoefficient = 0.0;
inline constexpr double MaxOwnCoefficient = 3.0;

// What a teacher fixes instead of the scenario's own choice, for the scenarios with fixed
// coefficients only. Empty, it changes nothing.
struct TrialOverrides {
    std::optional<OffDiagonal> coefficients;  // instead of 1.5 or 0.8
    std::optional<Vector2> start;             // instead of the two random start densities
};

// Whether the scenario takes overrides: the start-point scenario draws its own coefficients
// every trial and starts from its fixed point.
bool TakesOverrides(Scenario scenario);

// SetUpTrial, then the overrides the scenario takes. The random draws are the same as without
// them, so a seed's later trials do not change.
void SetUpTrial(ModelState& model, Scenario scenario, const TrialOverrides& overrides);

// The scenario's system with the overriding coefficients; none for the start-point scenario.
std::optional<CompetitionSystem> FixedSystemOf(Scenario scenario, const TrialOverrides& overrides);

// The log line of a run with own coefficients ("a12 1.2, a21 0.7"); empty when the run had
// none or its scenario took none.
std::string OwnCoefficientsLine(Scenario scenario, const TrialOverrides& overrides);

}  // namespace morvanta
