#pragma once

#include <QImage>
#include <string>

#include "plot/raster_surface.h"

namespace morvanta {

// The plot surface as an image: the raster's pixels shared with a toolkit image, and the
// plot's text drawn in the window's faces. The batch mode draws into one; the plot's paint
// box is one that shows itself.
class PlotImage : public RasterSurface {
public:
    PlotImage();
    PlotImage(const PlotImage&) = delete;
    PlotImage& operator=(const PlotImage&) = delete;

    void TextOut(int x, int y, const std::string& text) override;
    // The plot's pixels as an image (shares the raster's buffer).
    const QImage& Image() const { return image_; }

private:
    QImage image_;
};

}  // namespace morvanta
