#pragma once

#include "plot/plot_point.h"
#include "plot/plot_surface.h"

namespace morvanta {

// The axis labels' font: 10 points is 13 pixels high at 96 dots per inch.
inline constexpr const char* LabelFace = "Times New Roman";
inline constexpr int LabelPoints = 10;
// Roughly the width of a character of the label font, to centre a number on its tick, and
// half the height of its 13-pixel cell, to centre a line beside its tick.
inline constexpr int LabelCharPixels = 7;
inline constexpr int LabelHalfCellPixels = 7;
// Half the marker box: markers cover p-3 .. p+2 in both directions.
inline constexpr int MarkerRadius = 3;

// Draws the empty plot: navy over the whole window rectangle (the surface clips it), the
// two white axes and the two yellow labels. Leaves the brush navy and the pen white.
void PlotArea(PlotSurface& surface, int windowOuterWidth, int windowOuterHeight);

// A white dot at p; p becomes the current position.
void DrawStartMarker(PlotSurface& surface, PlotPoint p);

// A line with the current (white) pen from the current position to p.
void DrawSegment(PlotSurface& surface, PlotPoint p);

// A dot with a white rim at p: aqua when a species died out, red otherwise. With outcome
// shapes a trial in which a species died out ends in an aqua cross instead, which tells it
// from a red dot by its shape alone.
void DrawEndMarker(PlotSurface& surface, PlotPoint p, bool extinct, bool outcomeShapes = false);

// Half the outcome cross: its strokes cover p-4 .. p+4, wider than a dot.
inline constexpr int CrossRadius = 4;

}  // namespace morvanta
