#include "plot/time_course_plot.h"

#include <algorithm>
#include <string>

#include "plot/phase_plot.h"

namespace morvanta {
namespace {

// How much of its colour an earlier trial keeps over the background.
constexpr int FaintPercent = 40;
constexpr int TickPixels = 4;

Color Faint(Color color) {
    const auto mix = [](int bright, int back) {
        return static_cast<std::uint8_t>((bright * FaintPercent + back * (100 - FaintPercent)) /
                                         100);
    };
    return {mix(color.red, Navy.red), mix(color.green, Navy.green), mix(color.blue, Navy.blue)};
}

void DrawSeries(PlotSurface& surface, DensitySeries trial, std::size_t species, int lastStep) {
    for (std::size_t step = 0; step < trial.size(); ++step) {
        const PlotPoint p = TimePixel(static_cast<int>(step), trial[step][species], lastStep);
        if (step == 0)
            surface.MoveTo(p.x, p.y);
        else
            surface.LineTo(p.x, p.y);
    }
}

void DrawTrial(PlotSurface& surface, DensitySeries trial, int lastStep, bool highlighted) {
    surface.SetPenColor(highlighted ? Species1Color : Faint(Species1Color));
    DrawSeries(surface, trial, 0, lastStep);
    surface.SetPenColor(highlighted ? Species2Color : Faint(Species2Color));
    DrawSeries(surface, trial, 1, lastStep);
}

void DrawAxes(PlotSurface& surface, int lastStep) {
    surface.SetPenColor(Navy);
    surface.SetBrushColor(Navy);
    surface.Rectangle(0, 0, MapWidth, MapHeight);
    surface.SetPenColor(White);
    surface.MoveTo(TimeLeft, TimeTop);
    surface.LineTo(TimeLeft, TimeBottom);
    surface.LineTo(TimeRight + 1, TimeBottom);

    surface.SetFont(LabelFace, LabelPoints, Yellow);
    for (const auto& [density, text] : {std::pair{0.0, "0.0"}, {0.5, "0.5"}, {1.0, "1.0"}}) {
        const PlotPoint p = TimePixel(0, density, lastStep);
        surface.MoveTo(p.x - TickPixels, p.y);
        surface.LineTo(p.x, p.y);
        surface.TextOut(p.x - TickPixels - 3 * LabelCharPixels, p.y - LabelHalfCellPixels, text);
    }
    for (const int step : {0, lastStep / 2, lastStep}) {
        const PlotPoint p = TimePixel(step, 0.0, lastStep);
        surface.MoveTo(p.x, p.y);
        surface.LineTo(p.x, p.y + TickPixels + 1);
        const std::string text = std::to_string(step);
        const int half = static_cast<int>(text.size()) * LabelCharPixels / 2;
        surface.TextOut(p.x - half, p.y + TickPixels + 1, text);
    }
    surface.TextOut(5, TimeTop - 3 * LabelHalfCellPixels, "density");
    surface.TextOut((TimeLeft + TimeRight) / 2 - 2 * LabelCharPixels, TimeBottom + 22, "step");
}

void DrawLegend(PlotSurface& surface) {
    constexpr int LineY = 15;
    constexpr int LinePixels = 20;
    int x = 190;
    for (const auto& [color, text] :
         {std::pair{Species1Color, "species 1"}, std::pair{Species2Color, "species 2"}}) {
        surface.SetPenColor(color);
        for (const int dy : {0, 1}) {
            surface.MoveTo(x, LineY + dy);
            surface.LineTo(x + LinePixels, LineY + dy);
        }
        surface.TextOut(x + LinePixels + 4, LineY - LabelHalfCellPixels, text);
        x += 100;
    }
}

}  // namespace

PlotPoint TimePixel(int step, double density, int lastStep) {
    const int span = std::max(lastStep, 1);
    const double across = static_cast<double>(step) * (TimeRight - TimeLeft) / span;
    return {TimeLeft + RoundHalfEven(across),
            TimeBottom - RoundHalfEven(density * (TimeBottom - TimeTop))};
}

void DrawTimeCourse(PlotSurface& surface, const std::vector<DensitySeries>& trials) {
    int lastStep = 1;
    for (DensitySeries trial : trials)
        lastStep = std::max(lastStep, static_cast<int>(trial.size()) - 1);
    DrawAxes(surface, lastStep);
    for (std::size_t i = 0; i < trials.size(); ++i)
        DrawTrial(surface, trials[i], lastStep, i + 1 == trials.size());
    DrawLegend(surface);
    surface.SetPenColor(White);
    surface.SetBrushColor(Navy);
}

}  // namespace morvanta
