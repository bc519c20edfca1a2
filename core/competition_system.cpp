#include "core/competition_system.h"

#include <cmath>
#include <utility>

namespace morvanta {
namespace {

// A number with its derivatives by the two start densities: the model's own step, taken in
// it, gives the step's Jacobian.
struct Dual {
    explicit Dual(double v, Vector2 d = {}) : value(v), grad(d) {}
    double value;
    Vector2 grad;
};
Dual operator+(const Dual& a, const Dual& b) {
    return Dual(a.value + b.value, {a.grad[0] + b.grad[0], a.grad[1] + b.grad[1]});
}
Dual operator*(const Dual& a, const Dual& b) {
    return Dual(a.value * b.value, {a.grad[0] * b.value + a.value * b.grad[0],
                                    a.grad[1] * b.value + a.value * b.grad[1]});
}
Dual operator*(double c, const Dual& a) { return Dual(c) * a; }
Dual operator*(const Dual& a, double c) { return a * Dual(c); }
Dual operator/(const Dual& a, double c) { return a * Dual(1.0 / c); }
Dual operator-(double c, const Dual& a) { return Dual(c) + -1.0 * a; }

// Whether the equilibrium n of the one-step map is stable: a 2x2 map is stable when both
// eigenvalues of its Jacobian J lie inside the unit circle (Jury):
//   |det J| < 1 and |trace J| < 1 + det J.
bool IsStable(const CompetitionSystem& s, double n1, double n2) {
    const Pair<Dual> next =
        Stepped(DynamicsOf(s), Pair<Dual>{Dual(n1, {1.0, 0.0}), Dual(n2, {0.0, 1.0})});
    const Vector2& row1 = next[0].grad;
    const Vector2& row2 = next[1].grad;
    const double trace = row1[0] + row2[1];
    const double det = row1[0] * row2[1] - row1[1] * row2[0];
    return std::abs(det) < 1.0 && std::abs(trace) < 1.0 + det;
}

}  // namespace

Dynamics DynamicsOf(const CompetitionSystem& s) {
    return {Matrix2{Vector2{DiagonalCoefficient, s.a12}, Vector2{s.a21, DiagonalCoefficient}},
            Vector2{s.g1, s.g2}, Vector2{s.k1, s.k2}};
}

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
