#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "plot/plot_surface.h"

namespace morvanta {

// The shades of the outcome map, in the order of the shade numbers it is given: species 1
// won, species 2 won, both alive at the step limit, a species reached its capacity, and the
// starts that end at once: below the extinction level, at or above the capacity. Dark and
// greyed, so that white lines and dots, the aqua and red end dots and the isoclines stay
// readable over them.
inline constexpr std::array<Color, 6> OutcomeShades{
    Color{72, 16, 96},   // species 1 won: species 1's plum
    Color{0, 72, 72},    // species 2 won: species 2's teal
    Color{40, 40, 120},  // both alive: a greyer navy
    Color{64, 56, 40},   // reached 0.9: umber
    Color{48, 48, 48},   // started below 0.01: dark grey
    Color{88, 88, 88}};  // started at 0.9 or above: grey
inline constexpr std::array<const char*, 6> OutcomeLegend{
    "sp.1 won", "sp.2 won", "both alive", "reached 0.9", "start <0.01", "start >=0.9"};

// Shades the plot over the densities [0, 1) x [0, 1) by a grid x grid map of shade numbers
// (0 to 5; cell i across, j up, row j = 0 first), leaving the axes, and puts a legend in the
// free corner at the top right. Leaves the pen white and the brush navy, as the empty plot
// does.
void DrawOutcomeShading(PlotSurface& surface, const std::vector<std::uint8_t>& shades, int grid);

}  // namespace morvanta
