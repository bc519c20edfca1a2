#include "plot/caption_strip.h"

#include "plot/phase_plot.h"

namespace morvanta {
namespace {

// The text's cell sits in the middle of the strip, a few pixels in from the left.
constexpr int TextLeft = 4;
constexpr int TextTop = 3;

}  // namespace

void DrawCaptionStrip(PlotSurface& surface, const std::string& text) {
    surface.SetPenColor(Navy);
    surface.SetBrushColor(Navy);
    surface.Rectangle(0, 0, MapWidth, CaptionStripHeight);
    surface.SetFont(LabelFace, LabelPoints, Yellow);
    surface.TextOut(TextLeft, TextTop, text);
    surface.SetPenColor(White);
}

}  // namespace morvanta
