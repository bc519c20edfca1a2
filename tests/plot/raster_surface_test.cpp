#include "plot/raster_surface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plot/phase_plot.h"

namespace morvanta {
namespace {

// A raster whose "font" is a solid block 6 pixels wide per character and 13 high, in the
// font colour; it records every rectangle reported as changed.
class BlockTextRaster : public RasterSurface {
public:
    void TextOut(int x, int y, const std::string& text) override {
        const int width = 6 * static_cast<int>(text.size());
        for (int row = y; row < y + 13; ++row) FillSpan(row, x, x + width, FontColor());
        Changed(ClipToSurface({x, y, x + width, y + 13}));
    }
    std::vector<PixelRect> changes;

protected:
    void Changed(const PixelRect& rect) override { changes.push_back(rect); }
};

TEST(RasterSurface, LineLeavesOutItsEndPixel) {
    BlockTextRaster raster;
    raster.SetPenColor(Red);
    raster.MoveTo(10, 10);
    raster.LineTo(15, 10);
    for (int x = 10; x < 15; ++x) EXPECT_EQ(raster.ColorAt(x, 10), Red) << x;
    EXPECT_EQ(raster.ColorAt(15, 10), White);
    EXPECT_EQ(raster.Position(), (PlotPoint{15, 10}));
    EXPECT_EQ(raster.changes.back(), (PixelRect{10, 10, 16, 11}));
}

// The pixels of the raster around a box as a picture, one string per row: '.' the page's
// white, 'o' the pen's red, '#' the brush's navy.
std::vector<std::string> Picture(const RasterSurface& raster, int x1, int y1, int x2, int y2) {
    std::vector<std::string> rows;
    for (int y = y1; y < y2; ++y) {
        std::string row;
        for (int x = x1; x < x2; ++x) {
            const Color c = raster.ColorAt(x, y);
            row += c == Red ? 'o' : c == Navy ? '#' : c == White ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(RasterSurface, LinesLightThePixelsNearestTheTrueLineAndHalvesStepTowardTheEnd) {
    // y = x / 3 from (0, 0) to (6, 2): 0, 1/3, 2/3, 1, 4/3, 5/3 round to 0 0 1 1 1 2, and the
    // end pixel is left out. y = x / 2 to (4, 2) passes half-way between two rows at x = 1 and
    // x = 3: those halves step toward the end point, the classic rule.
    const struct {
        PlotPoint from, to;
        std::vector<std::string> picture;
    } cases[] = {
        {{0, 0}, {6, 2}, {"oo.....", "..ooo..", ".....o."}},
        {{0, 0}, {4, 2}, {"o....", ".oo..", "...o."}},
        {{4, 2}, {0, 0}, {".o...", "..oo.", "....o"}},
        {{0, 0}, {2, 6}, {"o..", "o..", ".o.", ".o.", ".o.", "..o", "..."}},
    };
    for (const auto& c : cases) {
        BlockTextRaster raster;
        raster.SetPenColor(Red);
        raster.MoveTo(c.from.x, c.from.y);
        raster.LineTo(c.to.x, c.to.y);
        const int width = static_cast<int>(c.picture[0].size());
        const int height = static_cast<int>(c.picture.size());
        EXPECT_EQ(Picture(raster, 0, 0, width, height), c.picture)
            << "(" << c.from.x << "," << c.from.y << ") to (" << c.to.x << "," << c.to.y << ")";
    }
}

TEST(RasterSurface, EllipseHoldsThePixelsWhoseCentresLieInsideWithARimOfPenPixels) {
    // Inscribed in the box's outer edges: a pixel is in when its centre (x + 0.5, y + 0.5)
    // satisfies ((x + 0.5 - cx) / rx)^2 + ((y + 0.5 - cy) / ry)^2 <= 1; in pixels that touch
    // the outside across an edge are the pen's. Worked by hand for a marker's 6 x 6 box and a
    // 10 x 6 one, each shown with a pixel of page around it.
    const struct {
        int x2, y2;
        std::vector<std::string> picture;
    } cases[] = {
        {6,
         6,
         {"........", "..oooo..", ".o####o.", ".o####o.", ".o####o.", ".o####o.", "..oooo..",
          "........"}},
        {10,
         6,
         {"............", "...oooooo...", "..o######o..", ".o########o.", ".o########o.",
          "..o######o..", "...oooooo...", "............"}},
    };
    for (const auto& c : cases) {
        BlockTextRaster raster;
        raster.SetPenColor(Red);
        raster.SetBrushColor(Navy);
        raster.Ellipse(11, 11, 11 + c.x2, 11 + c.y2);
        EXPECT_EQ(Picture(raster, 10, 10, 12 + c.x2, 12 + c.y2), c.picture) << c.x2 << "x" << c.y2;
    }
}

TEST(RasterSurface, DiagonalLineStepsOnePixelPerColumn) {
    BlockTextRaster raster;
    raster.SetPenColor(Black);
    raster.MoveTo(0, 0);
    raster.LineTo(4, 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(raster.ColorAt(i, i), Black) << i;
    EXPECT_EQ(raster.ColorAt(4, 4), White);
    EXPECT_EQ(raster.ColorAt(1, 0), White);
}

TEST(RasterSurface, LineOfNoLengthDrawsNothing) {
    BlockTextRaster raster;
    raster.MoveTo(20, 372);
    raster.LineTo(20, 372);
    EXPECT_EQ(raster.ColorAt(20, 372), White);
    EXPECT_TRUE(raster.changes.empty());
}

TEST(RasterSurface, DrawingOffTheSurfaceIsClipped) {
    BlockTextRaster raster;
    raster.SetPenColor(Red);
    raster.MoveTo(-50, 390);
    raster.LineTo(450, 390);
    EXPECT_EQ(raster.ColorAt(0, 390), Red);
    EXPECT_EQ(raster.ColorAt(399, 390), Red);
    EXPECT_EQ(raster.changes.back(), (PixelRect{0, 390, 400, 391}));
    raster.Ellipse(397, 397, 403, 403);
    EXPECT_EQ(raster.changes.back(), (PixelRect{397, 397, 400, 400}));
}

TEST(RasterSurface, RectangleCoversUpToButNotIncludingTheSecondCorner) {
    BlockTextRaster raster;
    raster.SetPenColor(Red);
    raster.SetBrushColor(Navy);
    raster.Rectangle(10, 20, 15, 24);
    EXPECT_EQ(raster.ColorAt(10, 20), Red);
    EXPECT_EQ(raster.ColorAt(14, 23), Red);
    EXPECT_EQ(raster.ColorAt(12, 22), Navy);
    EXPECT_EQ(raster.ColorAt(15, 22), White);
    EXPECT_EQ(raster.ColorAt(12, 24), White);
}

TEST(RasterSurface, MarkerDotCoversThreeLeftAndAboveTwoRightAndBelow) {
    BlockTextRaster raster;
    const PlotPoint p{170, 230};
    DrawStartMarker(raster, p);
    // Rows p-2 .. p+1 span the whole box p-3 .. p+2; the top and bottom rows are shorter.
    for (int y = p.y - 2; y <= p.y + 1; ++y) {
        EXPECT_EQ(raster.ColorAt(p.x - 3, y), White);
        EXPECT_EQ(raster.ColorAt(p.x + 2, y), White);
    }
    EXPECT_EQ(raster.ColorAt(p.x - 3, p.y - 3), White);  // the page was white already
    BlockTextRaster navy;
    PlotArea(navy, 623, 610);
    DrawStartMarker(navy, p);
    EXPECT_EQ(navy.ColorAt(p.x - 3, p.y - 3), Navy) << "corner outside the circle";
    EXPECT_EQ(navy.ColorAt(p.x - 2, p.y - 3), White);
    EXPECT_EQ(navy.ColorAt(p.x + 3, p.y), Navy) << "not 7 wide";
    EXPECT_EQ(navy.ColorAt(p.x, p.y + 3), Navy) << "not 7 high";
    DrawEndMarker(navy, p, true);
    EXPECT_EQ(navy.ColorAt(p.x, p.y), Aqua);
    EXPECT_EQ(navy.ColorAt(p.x - 3, p.y), White) << "white rim";
    DrawEndMarker(navy, p, false);
    EXPECT_EQ(navy.ColorAt(p.x - 2, p.y - 2), Red);
}

TEST(RasterSurface, EmptyPlotIsNavyWithWhiteAxesAndYellowLabels) {
    BlockTextRaster raster;
    PlotArea(raster, 623, 610);
    int navy = 0, white = 0, yellow = 0;
    for (int y = 0; y < MapHeight; ++y) {
        for (int x = 0; x < MapWidth; ++x) {
            const Color c = raster.ColorAt(x, y);
            navy += c == Navy;
            white += c == White;
            yellow += c == Yellow;
        }
    }
    EXPECT_EQ(navy + white + yellow, MapWidth * MapHeight);
    EXPECT_EQ(raster.ColorAt(20, 379), White);
    EXPECT_EQ(raster.ColorAt(20, 380), White);
    EXPECT_EQ(raster.ColorAt(379, 380), White);
    EXPECT_EQ(raster.ColorAt(380, 380), Navy) << "the axis leaves out its end pixel";
    EXPECT_EQ(raster.ColorAt(20, 20), Yellow) << "the top label covers the axis' top";
    EXPECT_EQ(raster.ColorAt(200, 381), Yellow);
    EXPECT_EQ(raster.ColorAt(21, 200), Navy);
    EXPECT_EQ(raster.BrushColor(), Navy);
    EXPECT_EQ(raster.PenColor(), White);
}

TEST(RasterSurface, ReportsEachOperationsChangedRectangle) {
    BlockTextRaster raster;
    PlotArea(raster, 623, 610);
    const std::vector<PixelRect> expected = {
        {0, 0, 400, 400},      // the background, clipped to the surface
        {20, 20, 21, 381},     // vertical axis
        {20, 380, 381, 381},   // horizontal axis
        {5, 10, 59, 23},       // "species 2"
        {200, 381, 254, 394},  // "species 1"
    };
    EXPECT_EQ(raster.changes, expected);
}

}  // namespace
}  // namespace morvanta
