#include "plot/raster_surface.h"

#include <algorithm>
#include <cstdlib>

namespace morvanta {

PixelRect ClipToSurface(const PixelRect& rect) {
    PixelRect clipped{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, MapWidth),
                      std::min(rect.bottom, MapHeight)};
    return clipped.Empty() ? PixelRect{} : clipped;
}

RasterSurface::RasterSurface()
    : pixels_(static_cast<std::size_t>(MapWidth) * MapHeight, Pack(White)) {}

std::uint32_t RasterSurface::Pack(Color color) {
    return 0xff000000U | static_cast<std::uint32_t>(color.red) << 16U |
           static_cast<std::uint32_t>(color.green) << 8U | color.blue;
}

std::uint32_t RasterSurface::PixelAt(int x, int y) const {
    return pixels_[static_cast<std::size_t>(y) * MapWidth + static_cast<std::size_t>(x)];
}

Color RasterSurface::ColorAt(int x, int y) const {
    const std::uint32_t p = PixelAt(x, y);
    return {static_cast<std::uint8_t>(p >> 16U), static_cast<std::uint8_t>(p >> 8U),
            static_cast<std::uint8_t>(p)};
}

void RasterSurface::SetFont(const std::string& face, int points, Color color) {
    fontFace_ = face;
    fontPoints_ = points;
    fontColor_ = color;
}

void RasterSurface::SetPixel(int x, int y, Color color) {
    if (x < 0 || y < 0 || x >= MapWidth || y >= MapHeight) return;
    pixels_[static_cast<std::size_t>(y) * MapWidth + static_cast<std::size_t>(x)] = Pack(color);
}

void RasterSurface::FillSpan(int y, int x1, int x2, Color color) {
    if (y < 0 || y >= MapHeight) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, MapWidth);
    if (x1 >= x2) return;
    auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * MapWidth;
    std::fill(row + x1, row + x2, Pack(color));
}

void RasterSurface::LineTo(int x, int y) {
    // Bresenham from the current position, stopping before the end pixel.
    const PlotPoint from = position_;
    position_ = {x, y};
    const int dx = std::abs(x - from.x);
    const int dy = -std::abs(y - from.y);
    const int sx = from.x < x ? 1 : -1;
    const int sy = from.y < y ? 1 : -1;
    int error = dx + dy;
    int px = from.x;
    int py = from.y;
    while (px != x || py != y) {
        SetPixel(px, py, pen_);
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            px += sx;
        }
        if (twice <= dx) {
            error += dx;
            py += sy;
        }
    }
    if (from == position_) return;  // a line of no length draws nothing
    ChangedInPenColor(ClipToSurface({std::min(from.x, x), std::min(from.y, y),
                                     std::max(from.x, x) + 1, std::max(from.y, y) + 1}));
}

void RasterSurface::Rectangle(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;
    FillSpan(y1, x1, x2, pen_);
    for (int y = y1 + 1; y < y2 - 1; ++y) {
        SetPixel(x1, y, pen_);
        FillSpan(y, x1 + 1, x2 - 1, brush_);
        SetPixel(x2 - 1, y, pen_);
    }
    if (y2 - 1 > y1) FillSpan(y2 - 1, x1, x2, pen_);
    Changed(ClipToSurface({x1, y1, x2, y2}));
}

void RasterSurface::Ellipse(int x1, int y1, int x2, int y2) {
    if (x2 <= x1 || y2 <= y1) return;
    // A pixel belongs to the ellipse when its centre lies inside the ellipse inscribed in the
    // box's outer edges; the pixels of the ellipse that touch the outside (4-neighbours) form
    // the pen's outline, the rest is the brush's interior.
    const double cx = (x1 + x2) / 2.0;
    const double cy = (y1 + y2) / 2.0;
    const double rx = (x2 - x1) / 2.0;
    const double ry = (y2 - y1) / 2.0;
    auto inside = [&](int x, int y) {
        const double u = (x + 0.5 - cx) / rx;
        const double v = (y + 0.5 - cy) / ry;
        return u * u + v * v <= 1.0;
    };
    for (int y = y1; y < y2; ++y) {
        for (int x = x1; x < x2; ++x) {
            if (!inside(x, y)) continue;
            const bool edge =
                !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            SetPixel(x, y, edge ? pen_ : brush_);
        }
    }
    Changed(ClipToSurface({x1, y1, x2, y2}));
}

}  // namespace morvanta
