// The plot's PNG bytes: the checksums against their published check values, and a run's plot
// written for check_png.py, which reads it back with Python's zlib.

#include "session/png_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "plot/phase_plot.h"
#include "plot/raster_surface.h"

namespace morvanta {
namespace {

// The labels need a font engine; a block of the brush colour stands in for them.
class TextlessSurface : public RasterSurface {
public:
    void TextOut(int x, int y, const std::string&) override {
        for (int row = y; row < y + 13; ++row) FillSpan(row, x, x + 50, BrushColor());
    }
};

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(PngFile, ChecksumsGiveTheirCheckValues) {
    const auto nine = Bytes("123456789");
    EXPECT_EQ(Crc32(nine.data(), nine.size()), 0xcbf43926u);
    const auto wikipedia = Bytes("Wikipedia");
    EXPECT_EQ(Adler32(wikipedia.data(), wikipedia.size()), 0x11e60398u);
}

// Writes a plot with trajectories and the same pixels raw, for the reader to compare.
TEST(PngFile, WritesAPlotForTheReader) {
    const char* folder = std::getenv("PNG_CHECK_DIR");
    if (!folder) GTEST_SKIP() << "PNG_CHECK_DIR names where the reader looks";
    TextlessSurface surface;
    PlotArea(surface, MapWidth, MapHeight);
    for (int i = 0; i < 40; ++i) {
        DrawStartMarker(surface, {20 + 9 * i, 380 - 7 * i});
        DrawSegment(surface, {200 + i, 60 + 3 * i});
        DrawEndMarker(surface, {200 + i, 60 + 3 * i}, i % 2 == 0, false);
    }
    const auto png = PngBytes({surface.Bits(), MapWidth, MapHeight}, {{"Title", "Phase plane"}});
    std::ofstream(std::string(folder) + "/plot.png", std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    std::ofstream raw(std::string(folder) + "/plot.rgb", std::ios::binary);
    for (int y = 0; y < MapHeight; ++y)
        for (int x = 0; x < MapWidth; ++x) {
            const Color c = surface.ColorAt(x, y);
            raw << c.red << c.green << c.blue;
        }
    EXPECT_LT(png.size(), 20000u) << "the plot is mostly runs of navy";
}

}  // namespace
}  // namespace morvanta
