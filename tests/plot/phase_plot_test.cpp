#include "plot/phase_plot.h"

#include <gtest/gtest.h>

#include "tests/support/recording_surface.h"

namespace morvanta {
namespace {

using testkit::Journal;
using testkit::RecordingSurface;

TEST(ToPixel, RoundsHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(150.5), 150);
    EXPECT_EQ(RoundHalfEven(151.5), 152);
    EXPECT_EQ(RoundHalfEven(150.4999), 150);
    EXPECT_EQ(RoundHalfEven(150.5001), 151);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.6), -3);
}

TEST(ToPixel, RoundsTheProductNotATruncation) {
    // 0.5015 * 300 = 150.45 rounds to 150; 0.5025 * 300 = 150.75 rounds to 151.
    EXPECT_EQ(ToPixel(0.5015, 0.0).x, 170);
    EXPECT_EQ(ToPixel(0.5025, 0.0).x, 171);
}

TEST(ToPixel, MapsDensitiesOntoTheAxes) {
    EXPECT_EQ(ToPixel(0.0, 0.0), (PlotPoint{20, 380}));
    EXPECT_EQ(ToPixel(0.5, 0.5), (PlotPoint{170, 230}));
    EXPECT_EQ(ToPixel(0.9, 0.9), (PlotPoint{290, 110}));
    EXPECT_EQ(ToPixel(1.2, 1.2), (PlotPoint{380, 20}));
    // Below the extinction level a density is at most 3 pixels from its axis.
    EXPECT_LE(ToPixel(0.0099999, 0.5).x, 23);
    EXPECT_GE(ToPixel(0.5, 0.0099999).y, 377);
}

TEST(ToPixel, ValuesBeyondAnyIntStayFarOffTheSurface) {
    EXPECT_GT(ToPixel(1e300, 0.0).x, 100000);
    EXPECT_GT(ToPixel(0.0, -1e300).y, 100000);
}

TEST(PlotArea, DrawsTheEmptyPlotInOrder) {
    Journal journal;
    RecordingSurface surface(journal);
    PlotArea(surface, 623, 610);
    const Journal expected = {
        "SetPenColor 0,0,128",    "SetBrushColor 0,0,128",
        "Rectangle 0 0 623 610",  "SetPenColor 255,255,255",
        "MoveTo 20 20",           "LineTo 20 380",
        "LineTo 380 380",         "SetFont Times New Roman 10 255,255,0",
        "TextOut 5 10 species 2", "TextOut 200 381 species 1",
    };
    EXPECT_EQ(journal, expected);
}

TEST(PlotArea, CoversTheWindowsCurrentOuterSize) {
    Journal journal;
    RecordingSurface surface(journal);
    PlotArea(surface, 800, 300);
    EXPECT_EQ(journal.at(2), "Rectangle 0 0 800 300");
}

TEST(TrialMarks, StartDotSegmentAndEndDot) {
    Journal journal;
    RecordingSurface surface(journal);
    DrawStartMarker(surface, {170, 230});
    DrawSegment(surface, {172, 228});
    DrawEndMarker(surface, {172, 228}, false);
    DrawEndMarker(surface, {23, 118}, true);
    const Journal expected = {
        "MoveTo 170 230",          "SetPenColor 255,255,255", "SetBrushColor 255,255,255",
        "Ellipse 167 227 173 233", "LineTo 172 228",          "SetBrushColor 255,0,0",
        "Ellipse 169 225 175 231", "SetBrushColor 0,255,255", "Ellipse 20 115 26 121",
    };
    EXPECT_EQ(journal, expected);
}

}  // namespace
}  // namespace morvanta
