#pragma once

#include <string>

#include "session/plot_session.h"

namespace morvanta {

// What the plot shows, in one line, in the words of a saved picture's text chunks: the
// scenario, its coefficients, its own start, the seed of the run on the plot and the options
// that draw on it, e.g. "Comp Severe; a12 1.5, a21 1.5; seed 43200000; isoclines, outcome map".
std::string PlotCaptionText(const PlotSession& session);

}  // namespace morvanta
