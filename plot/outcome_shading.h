#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "plot/plot_surface.h"

namespace morvanta {

// The four shades of the outcome map, in the order of the shade numbers it is given: species 2
// died out, species 1 died out, both died out, neither did. Two dark and two medium shades:
// the two wins stand apart at more than 3 : 1 where they meet, and so does either win from
// "neither"; white lines and dots read at 4.6 : 1 or more on every shade. Each win takes a
// hue of the species that won (the time course's orange and green).
inline constexpr std::array<Color, 4> OutcomeShades{
    Color{64, 20, 0},       // species 2 died out: species 1's dark umber
    Color{0, 132, 100},     // species 1 died out: species 2's teal
    Color{32, 32, 40},      // both died out: charcoal
    Color{112, 108, 168}};  // neither: greyed lavender
inline constexpr std::array<const char*, 4> OutcomeLegend{"sp.2 dies", "sp.1 dies", "both die",
                                                          "neither"};

// Shades the plot over the densities [0, 1) x [0, 1) by a grid x grid map of shade numbers
// (0 to 3; cell i across, j up, row j = 0 first), leaving the axes, and puts a legend in the
// free corner at the top right. Leaves the pen white and the brush navy, as the empty plot
// does.
void DrawOutcomeShading(PlotSurface& surface, const std::vector<std::uint8_t>& shades, int grid);

}  // namespace morvanta
