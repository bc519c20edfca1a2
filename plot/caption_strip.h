#pragma once

#include <string>

#include "plot/plot_surface.h"

namespace morvanta {

// The strip under the plot that says what the plot shows: one line of the label font on the
// plot's navy, over the surface's top rows.
inline constexpr int CaptionStripHeight = 20;

// Draws the strip across the top CaptionStripHeight rows of the surface: navy, with the text
// in yellow. Leaves the pen white and the brush navy, as the empty plot does.
void DrawCaptionStrip(PlotSurface& surface, const std::string& text);

}  // namespace morvanta
