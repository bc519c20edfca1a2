#include "plot/isoclines.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "plot/phase_plot.h"
#include "plot/plot_point.h"
#include "plot/time_course_plot.h"

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

// The label font's cell height, to keep a label on the plot.
constexpr int CellPixels = 2 * LabelHalfCellPixels - 1;
constexpr int LabelGap = 3;

// Draws the line and returns its upper end (the smaller y), if any of it is on the plot.
std::optional<PlotPoint> DrawLine(PlotSurface& surface, double a, double b, double c) {
    const auto ends = ClipLine(a, b, c);
    if (!ends) return std::nullopt;
    surface.MoveTo(ends->first.x, ends->first.y);
    surface.LineTo(ends->second.x, ends->second.y);
    // The surface leaves out a line's last pixel; an isocline is drawn to its end.
    surface.LineTo(ends->second.x + 1, ends->second.y);
    return ends->first.y <= ends->second.y ? ends->first : ends->second;
}

// The label beside the line's upper end, right of it and just above, kept inside the axes.
void DrawLabel(PlotSurface& surface, PlotPoint end, const std::string& text, Color color) {
    const int width = static_cast<int>(text.size()) * LabelCharPixels;
    const int x = std::min(end.x + LabelGap, PlotRight - width);
    const int y = std::max(end.y - CellPixels - LabelGap, PlotTop);
    surface.SetFont(LabelFace, LabelPoints, color);
    surface.SetBrushColor(Navy);
    surface.TextOut(x, y, text);
}

}  // namespace

void DrawIsoclines(PlotSurface& surface, const std::vector<DensityLine>& lines,
                   const std::vector<DensityMark>& equilibria, IsoclineStyle style) {
    const Color speciesColors[2] = {Species1Color, Species2Color};
    const bool labelled = style == IsoclineStyle::Labelled;
    std::vector<std::pair<PlotPoint, std::size_t>> labels;
    surface.SetPenColor(IsoclineColor);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (labelled && i < 2) surface.SetPenColor(speciesColors[i]);
        const auto end = DrawLine(surface, lines[i].a, lines[i].b, lines[i].c);
        if (labelled && i < 2 && end) labels.emplace_back(*end, i);
    }
    if (labelled) surface.SetPenColor(IsoclineColor);
    for (const DensityMark& e : equilibria) {
        if (!OnPlot(e.n1) || !OnPlot(e.n2)) continue;
        const PlotPoint p = ToPixel(e.n1, e.n2);
        surface.SetBrushColor(e.filled ? IsoclineColor : Navy);
        surface.Ellipse(p.x - EquilibriumRadius, p.y - EquilibriumRadius,
                        p.x + EquilibriumRadius + 1, p.y + EquilibriumRadius + 1);
    }
    // Over the marks, so that no mark hides a line's name.
    for (const auto& [end, i] : labels)
        DrawLabel(surface, end, IsoclineLabels[i], speciesColors[i]);
    surface.SetPenColor(White);
    surface.SetBrushColor(Navy);
}

}  // namespace morvanta
