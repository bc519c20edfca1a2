#pragma once

#include <vector>

#include "plot/plot_surface.h"

namespace morvanta {

// A straight line a N1 + b N2 = c, in densities.
struct DensityLine {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
};

// A marked point in densities: filled, or hollow.
struct DensityMark {
    double n1 = 0.0;
    double n2 = 0.0;
    bool filled = false;
};

// Muted, so that it stays behind the trajectories: neither the axes' white, the labels'
// yellow, nor an end dot's aqua or red.
inline constexpr Color IsoclineColor{144, 144, 192};
// Half the box of an equilibrium's mark: larger than a trial's dot, so the two are told apart.
inline constexpr int EquilibriumRadius = 4;

// How the zero-growth lines look: all muted, or each in its species' colour (the time course's)
// and named at its upper end, "sp.1 = 0" and "sp.2 = 0", for a class to tell them apart.
enum class IsoclineStyle { Muted, Labelled };

// The labels of species 1's and species 2's lines in the labelled style.
inline constexpr const char* IsoclineLabels[2] = {"sp.1 = 0", "sp.2 = 0"};

// The zero-growth lines (species 1's first, then species 2's), clipped to the plot, and the
// equilibria's marks on the plot. Leaves the pen white and the brush navy, as the empty plot
// does.
void DrawIsoclines(PlotSurface& surface, const std::vector<DensityLine>& lines,
                   const std::vector<DensityMark>& equilibria,
                   IsoclineStyle style = IsoclineStyle::Muted);

}  // namespace morvanta
