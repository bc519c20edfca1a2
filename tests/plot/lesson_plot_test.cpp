// The direction field's arrows and the time course's mapping, as passed to the surface.

#include <gtest/gtest.h>

#include <algorithm>

#include "plot/direction_field_plot.h"
#include "plot/time_course_plot.h"
#include "tests/support/recording_surface.h"

namespace morvanta {
namespace {

using testkit::Journal;
using testkit::RecordingSurface;
using testkit::ToText;

TEST(DirectionFieldPlot, ArrowsPointTheWayOfTheChangeAndTheLargerIsLonger) {
    Journal journal;
    RecordingSurface surface(journal);
    // At (0.6, 0.6), pixel (200, 200): the largest change, to the right. At (0.3, 0.3), pixel
    // (110, 290): an eighth of it, upwards, so half as long. At (0.9, 0.3): none at all.
    DrawDirectionField(surface,
                       {{0.6, 0.6, 0.01, 0.0}, {0.3, 0.3, 0.0, 0.00125}, {0.9, 0.3, 0, 0}});
    const Journal shafts{journal[1], journal[2], journal[7], journal[8]};
    EXPECT_EQ(journal.front(), "SetPenColor " + ToText(FieldColor));
    EXPECT_EQ(shafts,
              (Journal{"MoveTo 188 200", "LineTo 212 200", "MoveTo 110 296", "LineTo 110 284"}));
    EXPECT_EQ(journal[3], "MoveTo 212 200") << "the head is at the change's end";
    EXPECT_EQ(journal[13], "MoveTo 290 290") << "no change: a dot";
    EXPECT_EQ(journal[14], "LineTo 291 290");
    EXPECT_EQ(journal.back(), "SetBrushColor " + ToText(Navy));
}

TEST(TimeCoursePlot, StepsAcrossDensityUpTheLastTrialBright) {
    EXPECT_EQ(TimePixel(0, 0.0, 500), (PlotPoint{TimeLeft, TimeBottom}));
    EXPECT_EQ(TimePixel(500, 1.0, 500), (PlotPoint{TimeRight, TimeTop}));
    EXPECT_EQ(TimePixel(250, 0.5, 500), (PlotPoint{210, 200}));

    const std::vector<DensityPair> earlier{{0.5, 0.5}, {0.6, 0.4}};
    const std::vector<DensityPair> last{{0.25, 0.75}, {0.3, 0.7}, {0.35, 0.65}, {0.4, 0.6}};
    Journal journal;
    RecordingSurface surface(journal);
    DrawTimeCourse(surface, {earlier, last});
    const auto bright =
        std::find(journal.begin(), journal.end(), "SetPenColor " + ToText(Species1Color));
    ASSERT_NE(bright, journal.end());
    const Journal firstPixels(bright + 1, bright + 5);
    EXPECT_EQ(firstPixels,
              (Journal{"MoveTo 40 280", "LineTo 153 264", "LineTo 267 248", "LineTo 380 232"}))
        << "the step axis ends at the longest trial";
    EXPECT_LT(std::find(journal.begin(), journal.end(), "LineTo 153 168"), bright)
        << "the earlier trial is drawn first";
}

}  // namespace
}  // namespace morvanta
