#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "plot/plot_surface.h"

namespace morvanta {

// The four shades of the outcome map, in the order of the shade numbers it is given: species 2
// died out, species 1 died out, both died out, neither did. Dark and greyed, so that white
// lines and dots, the aqua and red end dots and the isoclines stay readable over them.
inline constexpr std::array<Color, 4> OutcomeShades{
    Color{72, 16, 96},    // species 2 died out: species 1's plum
    Color{0, 72, 72},     // species 1 died out: species 2's teal
    Color{64, 56, 40},    // both died out: umber
    Color{40, 40, 120}};  // neither: a greyer navy
inline constexpr std::array<const char*, 4> OutcomeLegend{"sp.2 dies", "sp.1 dies", "both die",
                                                          "neither"};

// Shades the plot over the densities [0, 1) x [0, 1) by a grid x grid map of shade numbers
// (0 to 3; cell i across, j up, row j = 0 first), leaving the axes, and puts a legend in the
// free corner at the top right. Leaves the pen white and the brush navy, as the empty plot
// does.
void DrawOutcomeShading(PlotSurface& surface, const std::vector<std::uint8_t>& shades, int grid);

}  // namespace morvanta
