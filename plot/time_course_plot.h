#pragma once

#include <array>
#include <span>
#include <vector>

#include "plot/plot_point.h"
#include "plot/plot_surface.h"

namespace morvanta {

// The densities of species 1 and 2 at one step.
using DensityPair = std::array<double, 2>;
// One trial's densities, step by step from its start.
using DensitySeries = std::span<const DensityPair>;

// The time course's own mapping: steps across, density up. The step axis spans the longest
// trial; the density axis 0 to 1.
inline constexpr int TimeLeft = 40;
inline constexpr int TimeRight = 380;
inline constexpr int TimeTop = 40;
inline constexpr int TimeBottom = 360;

// The two species, bright for the last trial and faint for the earlier ones: neither is a
// colour of the phase plot's marks.
inline constexpr Color Species1Color{255, 160, 64};
inline constexpr Color Species2Color{112, 224, 112};

// The pixel of a density at a step, on a step axis that ends at lastStep.
PlotPoint TimePixel(int step, double density, int lastStep);

// Draws both densities against the step for every trial, the last one highlighted, with
// axes, their numbers and titles, and a legend, over the whole surface.
void DrawTimeCourse(PlotSurface& surface, const std::vector<DensitySeries>& trials);

}  // namespace morvanta
