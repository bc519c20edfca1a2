#pragma once

#include <array>
#include <optional>
#include <vector>

#include "core/competition_model.h"

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

// The system's step, as the model takes it.
Dynamics DynamicsOf(const CompetitionSystem& system);

// A point where neither species changes, in densities.
struct Equilibrium {
    double n1 = 0.0;
    double n2 = 0.0;
    bool stable = false;
    friend bool operator==(const Equilibrium&, const Equilibrium&) = default;
};

// The densities where a species stops growing: a1 N1 + a2 N2 = k.
struct ZeroGrowthLine {
    double a1 = 0.0;
    double a2 = 0.0;
    double k = 0.0;
};

// The scenario's system when its coefficients are fixed; none for the scenario that draws
// new coefficients every trial.
std::optional<CompetitionSystem> FixedSystemOf(Scenario scenario);

// The equilibria with both densities zero or above, the origin first.
std::vector<Equilibrium> EquilibriaInQuadrant(const CompetitionSystem& system);

// The isoclines: species 1's (N1 + a12 N2 = K1), then species 2's (a21 N1 + N2 = K2).
std::array<ZeroGrowthLine, 2> ZeroGrowthLines(const CompetitionSystem& system);

}  // namespace morvanta
