#pragma once

#include "core/competition_system.h"
#include "core/trial_overrides.h"
#include "plot/isoclines.h"
#include "plot/plot_surface.h"

namespace morvanta {

// The system's isoclines and equilibria on the plot.
void DrawSystemIsoclines(PlotSurface& surface, const CompetitionSystem& system,
                         IsoclineStyle style = IsoclineStyle::Muted);

// The scenario's isoclines and equilibria on the plot, with the coefficients a teacher chose
// where the scenario takes them; nothing when they change every trial.
void DrawScenarioIsoclines(PlotSurface& surface, Scenario scenario, const TrialOverrides& overrides,
                           IsoclineStyle style = IsoclineStyle::Muted);

}  // namespace morvanta
