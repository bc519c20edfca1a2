// What a class reads off the plot: numbers on the axes, named isoclines, the plot zoomed.

#include <gtest/gtest.h>

#include <algorithm>

#include "plot/axis_ticks.h"
#include "plot/isoclines.h"
#include "plot/phase_plot.h"
#include "plot/raster_surface.h"
#include "plot/time_course_plot.h"
#include "plot/zoom.h"
#include "tests/support/recording_surface.h"

namespace morvanta {
namespace {

using testkit::Journal;

class Raster : public RasterSurface {
public:
    void TextOut(int, int, const std::string&) override {}
};

TEST(LessonPlot, TicksAndNumbersRunFromZeroToNineTenthsOnBothAxes) {
    Journal journal;
    testkit::RecordingSurface recording(journal);
    DrawAxisTicks(recording);
    std::vector<std::string> texts;
    for (const std::string& op : journal)
        if (op.starts_with("TextOut")) texts.push_back(op);
    const std::vector<std::string> expected = {
        "TextOut 17 382 0",    "TextOut 40 382 0.1",       "TextOut 1 343 0.1",
        "TextOut 70 382 0.2",  "TextOut 1 313 0.2",        "TextOut 100 382 0.3",
        "TextOut 1 283 0.3",   "TextOut 130 382 0.4",      "TextOut 1 253 0.4",
        "TextOut 160 382 0.5", "TextOut 1 223 0.5",        "TextOut 190 382 0.6",
        "TextOut 1 193 0.6",   "TextOut 220 382 0.7",      "TextOut 1 163 0.7",
        "TextOut 250 382 0.8", "TextOut 1 133 0.8",        "TextOut 280 382 0.9",
        "TextOut 1 103 0.9",   "TextOut 306 381 species 1"};
    EXPECT_EQ(texts, expected);

    Raster raster;
    PlotArea(raster, 623, 610);
    DrawAxisTicks(raster);
    // A tick at 0.9 on each axis, four pixels into the plot; the axes themselves stay.
    for (const auto& [x, y] : {std::pair{290, 379}, {290, 376}, {21, 110}, {24, 110}, {20, 200}})
        EXPECT_EQ(raster.ColorAt(x, y), White) << x << ", " << y;
    EXPECT_EQ(raster.ColorAt(290, 375), Navy);
}

TEST(LessonPlot, LabelledIsoclinesTakeTheirSpeciesColourAndName) {
    // Comp Severe's lines: species 1's from (0, 0.6) to (0.9, 0), species 2's from (0, 0.9).
    Journal journal;
    testkit::RecordingSurface recording(journal);
    DrawIsoclines(recording, {{1.0, 1.5, 0.9}, {1.5, 1.0, 0.9}}, {}, IsoclineStyle::Labelled);
    const auto at = [&](const std::string& op) {
        return std::find(journal.begin(), journal.end(), op) - journal.begin();
    };
    const std::string orange = "SetPenColor " + testkit::ToText(Species1Color);
    const std::string green = "SetPenColor " + testkit::ToText(Species2Color);
    EXPECT_LT(at(orange), at("MoveTo 20 200"));
    EXPECT_LT(at("MoveTo 20 200"), at(green));
    EXPECT_LT(at(green), at("MoveTo 20 110"));
    EXPECT_NE(at("TextOut 23 184 sp.1 = 0"), static_cast<long>(journal.size()));
    EXPECT_NE(at("TextOut 23 94 sp.2 = 0"), static_cast<long>(journal.size()));
}

TEST(LessonPlot, AZoomedPlotShowsEachPixelAsABlock) {
    Raster raster;
    PlotArea(raster, 623, 610);
    DrawStartMarker(raster, {170, 230});
    DrawSegment(raster, {290, 135});
    DrawEndMarker(raster, {290, 135}, false);
    const struct {
        double factor;
        int size;
    } zooms[] = {{1.0, 400}, {1.5, 600}, {2.0, 800}, {3.0, 1200}, {5.0, 1200}};
    for (const auto& zoom : zooms) {
        const PixelBlock block = ZoomPixels(raster.Bits(), MapWidth, MapHeight, zoom.factor);
        ASSERT_EQ(block.width, zoom.size) << zoom.factor;
        ASSERT_EQ(block.height, zoom.size) << zoom.factor;
        const double f = ClampedZoom(zoom.factor);
        int wrong = 0;
        for (int y = 0; y < block.height; ++y)
            for (int x = 0; x < block.width; ++x) {
                const int sx = static_cast<int>((x + 0.5) / f),
                          sy = static_cast<int>((y + 0.5) / f);
                wrong += block.pixels[static_cast<std::size_t>(y * block.width + x)] !=
                         raster.PixelAt(sx, sy);
            }
        EXPECT_EQ(wrong, 0) << "pixels not taken from under their centre at " << zoom.factor;
    }
    // At 2 the red end dot's centre pixel (290, 135) covers (580..581, 270..271).
    const PixelBlock two = ZoomPixels(raster.Bits(), MapWidth, MapHeight, 2.0);
    for (const auto& [x, y] : {std::pair{580, 270}, {581, 271}})
        EXPECT_EQ(two.pixels[static_cast<std::size_t>(y * two.width + x)],
                  RasterSurface::Pack(Red));
}

}  // namespace
}  // namespace morvanta
