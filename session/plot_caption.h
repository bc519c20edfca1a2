#pragma once

#include <string>

#include "session/plot_session.h"

namespace morvanta {

// What the plot shows, in one line, in the words of a saved picture's text chunks: the
// scenario, its coefficients, its own start, the options on and the seed of the run on the
// plot, e.g. "Comp Severe; a12 1.5, a21 1.5; isoclines, outcome map; seed 43200000".
std::string PlotCaptionText(const PlotSession& session);

}  // namespace morvanta
