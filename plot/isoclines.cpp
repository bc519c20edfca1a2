#include "plot/isoclines.h"

#include <cmath>
#include <optional>
#include <utility>

#include "plot/plot_point.h"

namespace morvanta {
namespace {

// The largest density on either axis of the plot.
constexpr double PlotExtent = static_cast<double>(PlotRight - PlotLeft) / PixelScale;
constexpr double Tolerance = 1e-12;

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

bool OnPlot(double density) { return density >= -Tolerance && density <= PlotExtent + Tolerance; }

// The part of the line a x + b y = c inside the plot, as its two ends.
std::optional<std::pair<PlotPoint, PlotPoint>> ClipLine(double a, double b, double c) {
    std::vector<std::pair<double, double>> hits;
    if (b != 0.0) {
        for (double x : {0.0, PlotExtent})
            if (const double y = (c - a * x) / b; OnPlot(y)) hits.emplace_back(x, y);
    }
    if (a != 0.0) {
        for (double y : {0.0, PlotExtent})
            if (const double x = (c - b * y) / a; OnPlot(x)) hits.emplace_back(x, y);
    }
    if (hits.size() < 2) return std::nullopt;
    // Of the edge crossings (a corner may appear twice) the two furthest apart are the ends.
    std::pair<std::size_t, std::size_t> ends{0, 0};
    double longest = -1.0;
    for (std::size_t i = 0; i < hits.size(); ++i) {
        for (std::size_t j = i + 1; j < hits.size(); ++j) {
            const double length =
                std::hypot(hits[i].first - hits[j].first, hits[i].second - hits[j].second);
            if (length > longest) {
                longest = length;
                ends = {i, j};
            }
        }
    }
    const auto& [x1, y1] = hits[ends.first];
    const auto& [x2, y2] = hits[ends.second];
    return std::make_pair(ToPixel(x1, y1), ToPixel(x2, y2));
}

void DrawLine(PlotSurface& surface, double a, double b, double c) {
    const auto ends = ClipLine(a, b, c);
    if (!ends) return;
    surface.MoveTo(ends->first.x, ends->first.y);
    surface.LineTo(ends->second.x, ends->second.y);
    // The surface leaves out a line's last pixel; an isocline is drawn to its end.
    surface.LineTo(ends->second.x + 1, ends->second.y);
}

}  // namespace

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

void DrawIsoclines(PlotSurface& surface, const CompetitionSystem& system) {
    surface.SetPenColor(IsoclineColor);
    DrawLine(surface, 1.0, system.a12, system.k1);
    DrawLine(surface, system.a21, 1.0, system.k2);
    for (const Equilibrium& e : EquilibriaInQuadrant(system)) {
        if (!OnPlot(e.n1) || !OnPlot(e.n2)) continue;
        const PlotPoint p = ToPixel(e.n1, e.n2);
        surface.SetBrushColor(e.stable ? IsoclineColor : Navy);
        surface.Ellipse(p.x - EquilibriumRadius, p.y - EquilibriumRadius,
                        p.x + EquilibriumRadius + 1, p.y + EquilibriumRadius + 1);
    }
    surface.SetPenColor(White);
    surface.SetBrushColor(Navy);
}

}  // namespace morvanta
