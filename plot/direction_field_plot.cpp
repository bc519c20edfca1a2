#include "plot/direction_field_plot.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace morvanta {
namespace {

// The arrowhead: two strokes back from the tip, at this angle to the shaft, this long at most.
constexpr double HeadAngle = 0.5;  // radians, about 29 degrees
constexpr double HeadPixels = 4.0;
// An arrow shorter than this shows as one pixel: it has no direction to read.
constexpr double ShortestArrowPixels = 2.0;

int Pixel(double value) { return RoundHalfEven(value); }

void Stroke(PlotSurface& surface, double x1, double y1, double x2, double y2) {
    surface.MoveTo(Pixel(x1), Pixel(y1));
    surface.LineTo(Pixel(x2), Pixel(y2));
}

void DrawArrow(PlotSurface& surface, const DensityArrow& arrow, double length) {
    const double x = PlotLeft + arrow.n1 * PixelScale;
    const double y = PlotBottom - arrow.n2 * PixelScale;
    if (length < ShortestArrowPixels) {
        surface.MoveTo(Pixel(x), Pixel(y));
        surface.LineTo(Pixel(x) + 1, Pixel(y));
        return;
    }
    // Screen y grows downwards, density 2 upwards.
    const double angle = std::atan2(-arrow.d2, arrow.d1);
    const double ux = std::cos(angle);
    const double uy = std::sin(angle);
    const double tipX = x + ux * length / 2;
    const double tipY = y + uy * length / 2;
    Stroke(surface, x - ux * length / 2, y - uy * length / 2, tipX, tipY);
    const double head = std::min(HeadPixels, length / 2);
    for (const double side : {HeadAngle, -HeadAngle}) {
        const double back = angle + std::numbers::pi + side;
        Stroke(surface, tipX, tipY, tipX + std::cos(back) * head, tipY + std::sin(back) * head);
    }
}

}  // namespace

void DrawDirectionField(PlotSurface& surface, const std::vector<DensityArrow>& arrows) {
    double largest = 0.0;
    for (const DensityArrow& a : arrows) largest = std::max(largest, std::hypot(a.d1, a.d2));
    if (largest > 0.0) {
        surface.SetPenColor(FieldColor);
        for (const DensityArrow& a : arrows) {
            const double share = std::hypot(a.d1, a.d2) / largest;
            DrawArrow(surface, a, LongestArrowPixels * std::cbrt(share));
        }
    }
    surface.SetPenColor(White);
    surface.SetBrushColor(Navy);
}

}  // namespace morvanta
