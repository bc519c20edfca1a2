#pragma once

#include <cstdint>
#include <vector>

#include "plot/raster_surface.h"

namespace morvanta {

// The plot's pixels in the page: the rasteriser's buffer, whose changed rectangle the page
// puts on its canvas once a frame. The browser's fonts write the labels into the buffer.
class WebPlot : public RasterSurface {
public:
    void TextOut(int x, int y, const std::string& text) override;
    // What changed since the last call; empty when nothing did.
    PixelRect TakeChanged();
    // The rectangle's pixels as a canvas takes them: R, G, B, A bytes, row by row. Valid
    // until the next call.
    const std::uint8_t* RgbaOf(const PixelRect& rect);
    // The top rows drawn at the factor (nearest neighbour, as ZoomPixels draws them), all
    // of their ZoomedLength(MapWidth) x ZoomedLength(rows) pixels as RgbaOf gives them.
    const std::uint8_t* ZoomedRgba(int rows, double factor);

protected:
    void Changed(const PixelRect& rect) override;

private:
    PixelRect changed_;
    std::vector<std::uint8_t> rgba_;
};

}  // namespace morvanta
