#pragma once

#include <vector>

#include "core/competition_model.h"
#include "core/competition_system.h"

namespace morvanta {

// Where the system takes a pair of densities in one step: the change N(t+1) - N(t).
struct FieldSample {
    double n1 = 0.0;
    double n2 = 0.0;
    double d1 = 0.0;
    double d2 = 0.0;
};

// The change of one model step from (n1, n2), as Step computes it.
Vector2 OneStepChange(const CompetitionSystem& system, double n1, double n2);

// The one-step change at the centres of a cells x cells grid over [0, extent] in both
// densities, row by row from the lowest density of species 2.
std::vector<FieldSample> DirectionField(const CompetitionSystem& system, double extent, int cells);

}  // namespace morvanta
