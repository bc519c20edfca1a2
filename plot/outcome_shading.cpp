#include "plot/outcome_shading.h"

#include <algorithm>
#include <cstddef>

#include "plot/phase_plot.h"
#include "plot/plot_point.h"

namespace morvanta {
namespace {

// A row's stretch of pixels of one shade: x1 .. x2 - 1.
struct Run {
    int x1 = 0;
    int x2 = 0;
    std::uint8_t shade = 0;
    friend bool operator==(const Run&, const Run&) = default;
};

// The cell a pixel's density falls in: the density that maps to the pixel, (p - axis) / 300.
int CellOf(int pixelsFromAxis, int grid) {
    return std::min(grid - 1, pixelsFromAxis * grid / PixelScale);
}

// The first pixel right of the vertical axis and the pixel of density 1 (not shaded).
constexpr int FirstX = PlotLeft + 1;
constexpr int EndX = PlotLeft + PixelScale;
// The first pixel below density 1 and the horizontal axis (not shaded).
constexpr int FirstY = PlotBottom - PixelScale + 1;
constexpr int EndY = PlotBottom;

std::vector<Run> RowRuns(const std::vector<std::uint8_t>& shades, int grid, int y) {
    const int j = CellOf(PlotBottom - y, grid);
    std::vector<Run> runs;
    for (int x = FirstX; x < EndX; ++x) {
        const int i = CellOf(x - PlotLeft, grid);
        const std::uint8_t shade =
            shades[static_cast<std::size_t>(j) * static_cast<std::size_t>(grid) +
                   static_cast<std::size_t>(i)];
        if (!runs.empty() && runs.back().shade == shade)
            runs.back().x2 = x + 1;
        else
            runs.push_back({x, x + 1, shade});
    }
    return runs;
}

void FillRuns(PlotSurface& surface, const std::vector<Run>& runs, int top, int bottom) {
    for (const Run& run : runs) {
        const Color shade =
            OutcomeShades[std::min<std::size_t>(run.shade, OutcomeShades.size() - 1)];
        surface.SetPenColor(shade);
        surface.SetBrushColor(shade);
        surface.Rectangle(run.x1, top, run.x2, bottom);
    }
}

void DrawLegend(PlotSurface& surface) {
    constexpr int Left = EndX + 4;
    constexpr int Top = PlotTop + 2;
    constexpr int Swatch = 9;
    constexpr int LineHeight = 14;
    surface.SetFont(LabelFace, LabelPoints, Yellow);
    for (std::size_t k = 0; k < OutcomeShades.size(); ++k) {
        const int y = Top + static_cast<int>(k) * LineHeight;
        surface.SetPenColor(White);
        surface.SetBrushColor(OutcomeShades[k]);
        surface.Rectangle(Left, y + 2, Left + Swatch, y + 2 + Swatch);
        surface.SetBrushColor(Navy);
        surface.TextOut(Left + Swatch + 3, y, OutcomeLegend[k]);
    }
}

}  // namespace

void DrawOutcomeShading(PlotSurface& surface, const std::vector<std::uint8_t>& shades, int grid) {
    if (grid <= 0 ||
        shades.size() < static_cast<std::size_t>(grid) * static_cast<std::size_t>(grid))
        return;
    // Rows with the same stretches are filled together: a cell of a coarse grid is one
    // rectangle, not one per row of pixels.
    std::vector<Run> pending = RowRuns(shades, grid, FirstY);
    int pendingTop = FirstY;
    for (int y = FirstY + 1; y < EndY; ++y) {
        std::vector<Run> runs = RowRuns(shades, grid, y);
        if (runs == pending) continue;
        FillRuns(surface, pending, pendingTop, y);
        pending = std::move(runs);
        pendingTop = y;
    }
    FillRuns(surface, pending, pendingTop, EndY);
    DrawLegend(surface);
    surface.SetPenColor(White);
    surface.SetBrushColor(Navy);
}

}  // namespace morvanta
