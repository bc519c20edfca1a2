#pragma once

#include "plot/plot_surface.h"

namespace morvanta {

// The densities that get a tick and a number on both axes: 0.1, 0.2, ... 0.9 (and 0 once, at
// the corner).
inline constexpr int TickedTenths = 9;
// A tick runs this many pixels into the plot from its axis.
inline constexpr int AxisTickPixels = 4;
// Where the label of species 1 goes when the numbers take the middle of its axis.
inline constexpr int TickedSpecies1LabelX = 306;

// Ticks and numbers on both axes of the empty plot just drawn, so that a density can be read
// off: white ticks inside the axes, yellow numbers outside them. The label of species 1 moves
// right of the last number. Leaves the pen white and the brush navy, as the empty plot does.
void DrawAxisTicks(PlotSurface& surface);

}  // namespace morvanta
