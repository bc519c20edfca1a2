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
    // Nine numbers on each axis and the corner's 0; the label of species 1 moves right.
    EXPECT_EQ(std::count_if(journal.begin(), journal.end(),
                            [](const std::string& op) { return op.starts_with("TextOut"); }),
              20);
    for (const char* text : {"TextOut 17 382 0", "TextOut 280 382 0.9", "TextOut 1 103 0.9",
                             "TextOut 306 381 species 1"})
        EXPECT_NE(std::find(journal.begin(), journal.end(), text), journal.end()) << text;

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
    DrawEndMarker(raster, {290, 135}, false);  // red at (290, 135), the axis at x = 20
    const struct {
        double factor;
        int size, x, y;
        Color color;
    } rows[] = {
        {1.0, 400, 290, 135, Red},  {2.0, 800, 580, 270, Red},   {2.0, 800, 581, 271, Red},
        {2.0, 800, 41, 500, White}, {2.0, 800, 42, 500, Navy},   {3.0, 1200, 872, 407, Red},
        {1.5, 600, 435, 203, Red},  {5.0, 1200, 62, 600, White},  // at most 3
    };
    for (const auto& row : rows) {
        const PixelBlock block = ZoomPixels(raster.Bits(), MapWidth, MapHeight, row.factor);
        ASSERT_EQ(block.width, row.size) << row.factor;
        ASSERT_EQ(block.height, row.size) << row.factor;
        EXPECT_EQ(block.pixels[static_cast<std::size_t>(row.y * block.width + row.x)],
                  RasterSurface::Pack(row.color))
            << "at " << row.factor << ": " << row.x << ", " << row.y;
    }
}

}  // namespace
}  // namespace morvanta
