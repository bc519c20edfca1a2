#pragma once

#include <vector>

#include "plot/plot_surface.h"

namespace morvanta {

// A two-species competition system with fixed coefficients, as far as its phase portrait
// needs it. Species i grows by g_i N_i (1 - (A N)_i / K_i) a step.
struct CompetitionSystem {
    double a12 = 0.0;  // the effect of species 2 on species 1
    double a21 = 0.0;  // the effect of species 1 on species 2
    double k1 = 0.0;
    double k2 = 0.0;
    double g1 = 0.0;
    double g2 = 0.0;
};

// A point where neither species changes, in densities.
struct Equilibrium {
    double n1 = 0.0;
    double n2 = 0.0;
    bool stable = false;
    friend bool operator==(const Equilibrium&, const Equilibrium&) = default;
};

// Muted, so that it stays behind the trajectories: neither the axes' white, the labels'
// yellow, nor an end dot's aqua or red.
inline constexpr Color IsoclineColor{144, 144, 192};
// Half the box of an equilibrium's mark: larger than a trial's dot, so the two are told apart.
inline constexpr int EquilibriumRadius = 4;

// The equilibria with both densities zero or above, the origin first.
std::vector<Equilibrium> EquilibriaInQuadrant(const CompetitionSystem& system);

// The two zero-growth lines (species 1: N1 + a12 N2 = K1, species 2: a21 N1 + N2 = K2),
// clipped to the plot, and the equilibria on the plot: stable ones filled, the others
// hollow. Leaves the pen white and the brush navy, as the empty plot does.
void DrawIsoclines(PlotSurface& surface, const CompetitionSystem& system);

}  // namespace morvanta
