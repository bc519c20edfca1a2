// The outcome map's shading of the plot, pixel by pixel.

#include "plot/outcome_shading.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "plot/color_contrast.h"
#include "plot/phase_plot.h"
#include "plot/raster_surface.h"

namespace morvanta {
namespace {

class Raster : public RasterSurface {
public:
    void TextOut(int, int, const std::string&) override {}
};

TEST(OutcomeShading, EachPixelTakesTheShadeOfTheCellItsDensityFallsIn) {
    // A 10 x 10 grid: cell (i, j) covers densities [i / 10, (i + 1) / 10) across and likewise
    // up, 30 pixels each; shade (i + 2 j) mod 4.
    std::vector<std::uint8_t> shades(100);
    for (int j = 0; j < 10; ++j)
        for (int i = 0; i < 10; ++i)
            shades[static_cast<std::size_t>(j * 10 + i)] =
                static_cast<std::uint8_t>((i + 2 * j) % 4);
    Raster raster;
    PlotArea(raster, 623, 610);
    DrawOutcomeShading(raster, shades, 10);
    const struct {
        int x, y;
        Color color;
    } pixels[] = {
        {49, 370, OutcomeShades[0]},  // density (0.0967, 0.033): cell (0, 0)
        {50, 370, OutcomeShades[1]},  // (0.1, 0.033): cell (1, 0)
        {50, 349, OutcomeShades[3]},  // (0.1, 0.103): cell (1, 1)
        {319, 81, OutcomeShades[3]},  // (0.997, 0.997): cell (9, 9)
        {20, 200, White},             // the axes stay
        {100, 380, White},
        {320, 200, Navy},  // density 1 and beyond are not shaded
        {100, 80, Navy},
        {328, 28, OutcomeShades[0]},  // the legend's first swatch, with a white rim
        {324, 24, White},
        {328, 28 + 3 * 14, OutcomeShades[3]},
    };
    for (const auto& p : pixels) EXPECT_EQ(raster.ColorAt(p.x, p.y), p.color) << p.x << ", " << p.y;
    EXPECT_EQ(raster.PenColor(), White);
    EXPECT_EQ(raster.BrushColor(), Navy);
}

// The shades as a class sees them: the regions that meet stand apart, and the run's white
// lines and dots read on every shade (WCAG 2 contrast ratios).
TEST(OutcomeShading, ShadesStandApartAndCarryTheRunsMarks) {
    const Color sp2Dies = OutcomeShades[0], sp1Dies = OutcomeShades[1], both = OutcomeShades[2],
                neither = OutcomeShades[3];
    const struct {
        const char* what;
        Color a, b;
        double atLeast;
    } pairs[] = {
        {"the two wins", sp2Dies, sp1Dies, 3.0},
        {"species 1's win and neither", sp2Dies, neither, 3.0},
        {"species 2's win and both", sp1Dies, both, 3.0},
        {"both and neither", both, neither, 3.0},
        {"white on sp.2 dies", White, sp2Dies, 4.5},
        {"white on sp.1 dies", White, sp1Dies, 4.5},
        {"white on both", White, both, 4.5},
        {"white on neither", White, neither, 4.5},
        {"aqua on sp.1 dies", Aqua, sp1Dies, 3.0},
        {"aqua on neither", Aqua, neither, 3.0},
    };
    for (const auto& p : pairs) {
        const double ratio = ContrastRatio(p.a, p.b);
        EXPECT_GE(ratio, p.atLeast) << p.what;
        std::printf("%-30s %5.2f : 1\n", p.what, ratio);
    }
    EXPECT_DOUBLE_EQ(ContrastRatio(Black, White), 21.0);
}

}  // namespace
}  // namespace morvanta
