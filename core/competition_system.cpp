#include "core/competition_system.h"

#include <cmath>
#include <utility>

namespace morvanta {
namespace {

// Whether the equilibrium n of the one-step map is stable. The map's Jacobian is
//   J_ij = [i = j] (1 + g_i (1 - (A n)_i / K_i)) - g_i n_i A_ij / K_i,
// and a 2x2 map is stable when both eigenvalues lie inside the unit circle (Jury):
//   |det J| < 1 and |trace J| < 1 + det J.
bool IsStable(const CompetitionSystem& s, double n1, double n2) {
    const double load1 = n1 + s.a12 * n2;
    const double load2 = s.a21 * n1 + n2;
    const double j11 = 1.0 + s.g1 * (1.0 - load1 / s.k1) - s.g1 * n1 / s.k1;
    const double j12 = -s.g1 * n1 * s.a12 / s.k1;
    const double j21 = -s.g2 * n2 * s.a21 / s.k2;
    const double j22 = 1.0 + s.g2 * (1.0 - load2 / s.k2) - s.g2 * n2 / s.k2;
    const double trace = j11 + j22;
    const double det = j11 * j22 - j12 * j21;
    return std::abs(det) < 1.0 && std::abs(trace) < 1.0 + det;
}

}  // namespace

std::optional<CompetitionSystem> FixedSystemOf(Scenario scenario) {
    switch (scenario) {
        case Scenario::StartPoint:
            return std::nullopt;
        case Scenario::CompSevere:
            return CompetitionSystem{SevereCoefficient, SevereCoefficient, CarryingCapacity,
                                     CarryingCapacity,  GrowthRate,        GrowthRate};
        case Scenario::CompMild:
            return CompetitionSystem{MildCoefficient,  MildCoefficient, CarryingCapacity,
                                     CarryingCapacity, GrowthRate,      GrowthRate};
        case Scenario::ReversedGrowth:
            break;
    }
    return CompetitionSystem{SevereCoefficient, SevereCoefficient, CarryingCapacity,
                             CarryingCapacity,  GrowthRate,        -1.0 * GrowthRate};
}

std::vector<Equilibrium> EquilibriaInQuadrant(const CompetitionSystem& s) {
    std::vector<std::pair<double, double>> points{{0.0, 0.0}, {s.k1, 0.0}, {0.0, s.k2}};
    // Where the two isoclines cross: Cramer's rule on the two lines.
    const double det = 1.0 - s.a12 * s.a21;
    if (det != 0.0) {
        const double n1 = (s.k1 - s.a12 * s.k2) / det;
        const double n2 = (s.k2 - s.a21 * s.k1) / det;
        if (n1 > 0.0 && n2 > 0.0) points.emplace_back(n1, n2);
    }
    std::vector<Equilibrium> equilibria;
    for (const auto& [n1, n2] : points) equilibria.push_back({n1, n2, IsStable(s, n1, n2)});
    return equilibria;
}

std::array<ZeroGrowthLine, 2> ZeroGrowthLines(const CompetitionSystem& s) {
    return {ZeroGrowthLine{1.0, s.a12, s.k1}, ZeroGrowthLine{s.a21, 1.0, s.k2}};
}

}  // namespace morvanta
