#include "plot/axis_ticks.h"

#include <string>

#include "plot/phase_plot.h"
#include "plot/plot_point.h"

namespace morvanta {
namespace {

// Room between the horizontal axis and the numbers under it, and left of the vertical axis.
constexpr int NumberGap = 2;
constexpr int NumbersLeft = 1;

std::string TenthsText(int tenths) { return tenths == 0 ? "0" : "0." + std::to_string(tenths); }

}  // namespace

void DrawAxisTicks(PlotSurface& surface) {
    // The strip under the horizontal axis is the numbers': its label is written again after.
    surface.SetPenColor(Navy);
    surface.SetBrushColor(Navy);
    surface.Rectangle(0, PlotBottom + 1, MapWidth, MapHeight);

    surface.SetPenColor(White);
    for (int tenths = 1; tenths <= TickedTenths; ++tenths) {
        const double density = tenths / 10.0;
        const PlotPoint across = ToPixel(density, 0.0);
        surface.MoveTo(across.x, PlotBottom - 1);
        surface.LineTo(across.x, PlotBottom - 1 - AxisTickPixels);
        const PlotPoint up = ToPixel(0.0, density);
        surface.MoveTo(PlotLeft + 1, up.y);
        surface.LineTo(PlotLeft + 1 + AxisTickPixels, up.y);
    }

    surface.SetFont(LabelFace, LabelPoints, Yellow);
    for (int tenths = 0; tenths <= TickedTenths; ++tenths) {
        const std::string text = TenthsText(tenths);
        const int half = static_cast<int>(text.size()) * LabelCharPixels / 2;
        const PlotPoint across = ToPixel(tenths / 10.0, 0.0);
        surface.TextOut(across.x - half, PlotBottom + NumberGap, text);
        if (tenths == 0) continue;  // the corner's 0 serves both axes
        const PlotPoint up = ToPixel(0.0, tenths / 10.0);
        surface.TextOut(NumbersLeft, up.y - LabelHalfCellPixels, text);
    }
    surface.TextOut(TickedSpecies1LabelX, PlotBottom + 1, "species 1");
    surface.SetPenColor(White);
    surface.SetBrushColor(Navy);
}

}  // namespace morvanta
