#pragma once

#include <string>

#include "session/plot_session.h"

namespace morvanta {

// What the plot shows, in one line: the scenario, its coefficients where they are fixed, the
// options that draw on the plot and the last run's seed, e.g. "Comp Severe; a12 1.5, a21 1.5;
// isoclines, outcome map; seed 43200000".
std::string PlotCaptionText(const PlotSession& session);

}  // namespace morvanta
