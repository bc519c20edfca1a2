#pragma once

#include <optional>

#include "core/competition_model.h"
#include "plot/isoclines.h"

namespace morvanta {

// The scenario's competition system when its coefficients are fixed; none for the scenario
// that draws new coefficients every trial.
std::optional<CompetitionSystem> FixedSystemOf(Scenario scenario);

// The scenario's isoclines and equilibria on the plot; nothing when they change every trial.
void DrawScenarioIsoclines(PlotSurface& surface, Scenario scenario);

}  // namespace morvanta
