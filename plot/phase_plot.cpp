#include "plot/phase_plot.h"

namespace morvanta {
namespace {

void DrawDot(PlotSurface& surface, PlotPoint p) {
    surface.Ellipse(p.x - MarkerRadius, p.y - MarkerRadius, p.x + MarkerRadius, p.y + MarkerRadius);
}

}  // namespace

void PlotArea(PlotSurface& surface, int windowOuterWidth, int windowOuterHeight) {
    surface.SetPenColor(Navy);
    surface.SetBrushColor(Navy);
    surface.Rectangle(0, 0, windowOuterWidth, windowOuterHeight);

    surface.SetPenColor(White);
    surface.MoveTo(PlotLeft, PlotTop);
    surface.LineTo(PlotLeft, PlotBottom);
    surface.LineTo(PlotRight, PlotBottom);

    // The label of species 2 sits at the top of its axis; its opaque background covers the
    // axis' first pixels. The label of species 1 sits below the middle of its axis.
    surface.SetFont(LabelFace, LabelPoints, Yellow);
    surface.TextOut(5, 10, "species 2");
    surface.TextOut((PlotLeft + PlotRight) / 2, PlotBottom + 1, "species 1");
}

void DrawStartMarker(PlotSurface& surface, PlotPoint p) {
    surface.MoveTo(p.x, p.y);
    surface.SetPenColor(White);
    surface.SetBrushColor(White);
    DrawDot(surface, p);
}

void DrawSegment(PlotSurface& surface, PlotPoint p) { surface.LineTo(p.x, p.y); }

void DrawEndMarker(PlotSurface& surface, PlotPoint p, bool extinct) {
    surface.SetBrushColor(extinct ? Aqua : Red);
    DrawDot(surface, p);
}

}  // namespace morvanta
