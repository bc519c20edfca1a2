#pragma once

#include "core/competition_model.h"
#include "core/trial_overrides.h"
#include "plot/plot_surface.h"

namespace morvanta {

// The direction field of the scenario's system, with the coefficients a teacher chose, on the
// plot; nothing when the coefficients change every trial.
void DrawScenarioDirectionField(PlotSurface& surface, Scenario scenario,
                                const TrialOverrides& overrides);

}  // namespace morvanta
