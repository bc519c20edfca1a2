#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "plot/plot_surface.h"

namespace morvanta {

// The shades of the outcome map, in the order of the shade numbers it is given: species 1
// won, species 2 won, both alive at the step limit, a species reached its capacity, and the
// starts that end at once: below the extinction level, at or above the capacity. Three dark
// and three medium shades: a dark one stands apart from a medium one at 3 : 1 or more, so the
// two wins, and either win beside both alive, a capacity reached or a start that ended at
// once, are told apart where they meet; white lines and dots read at 4.6 : 1 or more on every
// shade. Shades of one level differ in hue only. Each win takes a hue of the species that won
// (the time course's orange and green).
inline constexpr std::array<Color, 6> OutcomeShades{
    Color{64, 20, 0},      // species 1 won: species 1's dark umber
    Color{0, 132, 100},    // species 2 won: species 2's teal
    Color{112, 108, 168},  // both alive: greyed lavender
    Color{132, 112, 40},   // reached 0.9: ochre
    Color{20, 20, 28},     // started below 0.01: near black
    Color{40, 36, 48}};    // started at 0.9 or above: charcoal
inline constexpr std::array<const char*, 6> OutcomeLegend{
    "sp.1 won", "sp.2 won", "both alive", "reached 0.9", "start <0.01", "start >=0.9"};

// Shades the plot over the densities [0, 1) x [0, 1) by a grid x grid map of shade numbers
// (0 to 5; cell i across, j up, row j = 0 first), leaving the axes, and puts a legend in the
// free corner at the top right. Leaves the pen white and the brush navy, as the empty plot
// does.
void DrawOutcomeShading(PlotSurface& surface, const std::vector<std::uint8_t>& shades, int grid);

}  // namespace morvanta
