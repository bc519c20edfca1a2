#pragma once

#include "plot/raster_surface.h"

namespace morvanta {

// The plot's pixels in the page: the rasteriser's buffer, whose changed rectangle the page
// puts on its canvas once a frame. The browser's fonts write the labels into the buffer.
class WebPlot : public RasterSurface {
public:
    void TextOut(int x, int y, const std::string& text) override;
    // What changed since the last call; empty when nothing did.
    PixelRect TakeChanged();

protected:
    void Changed(const PixelRect& rect) override;

private:
    PixelRect changed_;
};

}  // namespace morvanta
