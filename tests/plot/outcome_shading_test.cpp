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

// The shades as a class sees them: a dark and a medium shade stand apart where they meet,
// and the run's white lines and dots read on every shade (WCAG 2 contrast ratios, printed).
TEST(OutcomeShading, ShadesStandApartAndCarryTheRunsMarks) {
    const struct {
        const char* name;
        bool dark;
    } shades[] = {{"sp.1 won", true},     {"sp.2 won", false},   {"both alive", false},
                  {"reached 0.9", false}, {"start <0.01", true}, {"start >=0.9", true}};
    static_assert(std::size(shades) == OutcomeShades.size());
    for (std::size_t i = 0; i < OutcomeShades.size(); ++i) {
        const double white = ContrastRatio(White, OutcomeShades[i]);
        const double aqua = ContrastRatio(Aqua, OutcomeShades[i]);
        EXPECT_GE(white, 4.5) << "white on " << shades[i].name;
        EXPECT_GE(aqua, 3.0) << "aqua on " << shades[i].name;
        std::printf("%-12s white %5.2f  aqua %5.2f  against:", shades[i].name, white, aqua);
        for (std::size_t j = 0; j < OutcomeShades.size(); ++j) {
            const double ratio = ContrastRatio(OutcomeShades[i], OutcomeShades[j]);
            if (shades[i].dark != shades[j].dark) {
                EXPECT_GE(ratio, 3.0) << shades[i].name << " against " << shades[j].name;
            }
            std::printf(" %5.2f", ratio);
        }
        std::printf("\n");
    }
    EXPECT_DOUBLE_EQ(ContrastRatio(Black, White), 21.0);
}

}  // namespace
}  // namespace morvanta
