#include "plot/isoclines.h"

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "plot/plot_point.h"

namespace morvanta {
namespace {

// The largest density on either axis of the plot.
constexpr double PlotExtent = static_cast<double>(PlotRight - PlotLeft) / PixelScale;
constexpr double Tolerance = 1e-12;

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

void DrawIsoclines(PlotSurface& surface, const std::vector<DensityLine>& lines,
                   const std::vector<DensityMark>& equilibria) {
    surface.SetPenColor(IsoclineColor);
    for (const DensityLine& line : lines) DrawLine(surface, line.a, line.b, line.c);
    for (const DensityMark& e : equilibria) {
        if (!OnPlot(e.n1) || !OnPlot(e.n2)) continue;
        const PlotPoint p = ToPixel(e.n1, e.n2);
        surface.SetBrushColor(e.filled ? IsoclineColor : Navy);
        surface.Ellipse(p.x - EquilibriumRadius, p.y - EquilibriumRadius,
                        p.x + EquilibriumRadius + 1, p.y + EquilibriumRadius + 1);
    }
    surface.SetPenColor(White);
    surface.SetBrushColor(Navy);
}

}  // namespace morvanta
