#pragma once

#include <vector>

#include "plot/plot_point.h"
#include "plot/plot_surface.h"

namespace morvanta {

// A change of the densities drawn as an arrow at (n1, n2): (d1, d2) is the change.
struct DensityArrow {
    double n1 = 0.0;
    double n2 = 0.0;
    double d1 = 0.0;
    double d2 = 0.0;
};

// The direction field's grid: FieldCells x FieldCells cells over the plot's whole extent in
// both densities, one arrow at each cell's centre.
inline constexpr int FieldCells = 12;
inline constexpr double FieldExtent = static_cast<double>(PlotRight - PlotLeft) / PixelScale;
// The longest arrow, in pixels: a little shorter than a cell, so arrows never meet.
inline constexpr double LongestArrowPixels = 24.0;
// Muted and greenish, so that it stays behind everything else: neither the isoclines'
// grey-blue, the axes' white, the labels' yellow, nor an end dot's aqua or red.
inline constexpr Color FieldColor{72, 128, 112};

// Draws each arrow centred on its point, pointing the way of its change. Lengths grow with
// the size of the change as its cube root, the longest LongestArrowPixels long: the slow
// arrows near the equilibria stay visible beside the fast ones far out, and a larger
// change always has the longer arrow. Leaves the pen white and the brush navy.
void DrawDirectionField(PlotSurface& surface, const std::vector<DensityArrow>& arrows);

}  // namespace morvanta
