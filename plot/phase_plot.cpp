#include "plot/phase_plot.h"

namespace morvanta {
namespace {

void DrawDot(PlotSurface& surface, PlotPoint p) {
    surface.Ellipse(p.x - MarkerRadius, p.y - MarkerRadius, p.x + MarkerRadius, p.y + MarkerRadius);
}

// Two strokes of two pixels each, corner to corner of the cross's box. LineTo leaves out the
// end pixel, so each stroke ends one pixel beyond the box.
void DrawCross(PlotSurface& surface, PlotPoint p) {
    const int r = CrossRadius;
    surface.SetPenColor(Aqua);
    for (int shift = 0; shift <= 1; ++shift) {
        surface.MoveTo(p.x - r + shift, p.y - r);
        surface.LineTo(p.x + r + 1, p.y + r + 1 - shift);
        surface.MoveTo(p.x + r - shift, p.y - r);
        surface.LineTo(p.x - r - 1, p.y + r + 1 - shift);
    }
    // The marks after it rely on the white pen, as after a dot.
    surface.SetPenColor(White);
    surface.MoveTo(p.x, p.y);
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

void DrawEndMarker(PlotSurface& surface, PlotPoint p, bool extinct, bool outcomeShapes) {
    if (extinct && outcomeShapes) {
        DrawCross(surface, p);
        return;
    }
    surface.SetBrushColor(extinct ? Aqua : Red);
    DrawDot(surface, p);
}

}  // namespace morvanta
