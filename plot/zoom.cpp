#include "plot/zoom.h"

#include <algorithm>
#include <cmath>

namespace morvanta {
namespace {

// The source row or column under the centre of result pixel i.
int SourceIndex(int i, double factor, int length) {
    const int source = static_cast<int>(std::floor((i + 0.5) / factor));
    return std::clamp(source, 0, length - 1);
}

}  // namespace

double ClampedZoom(double factor) {
    if (!(factor >= MinZoom)) return MinZoom;  // also where it is not a number
    return std::min(factor, MaxZoom);
}

int ZoomedLength(int length, double factor) {
    return static_cast<int>(std::lround(length * ClampedZoom(factor)));
}

PixelBlock ZoomPixels(const std::uint32_t* pixels, int width, int height, double factor) {
    factor = ClampedZoom(factor);
    return ZoomPixels(pixels, width, height, factor, 0, 0, ZoomedLength(width, factor),
                      ZoomedLength(height, factor));
}

PixelBlock ZoomPixels(const std::uint32_t* pixels, int width, int height, double factor, int left,
                      int top, int right, int bottom) {
    factor = ClampedZoom(factor);
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, ZoomedLength(width, factor));
    bottom = std::min(bottom, ZoomedLength(height, factor));
    PixelBlock block{std::max(right - left, 0), std::max(bottom - top, 0), {}};
    block.pixels.resize(static_cast<std::size_t>(block.width) *
                        static_cast<std::size_t>(block.height));
    std::vector<int> columns(static_cast<std::size_t>(block.width));
    for (int x = 0; x < block.width; ++x)
        columns[static_cast<std::size_t>(x)] = SourceIndex(left + x, factor, width);
    auto out = block.pixels.begin();
    for (int y = top; y < top + block.height; ++y) {
        const std::uint32_t* row =
            pixels + static_cast<std::size_t>(SourceIndex(y, factor, height)) *
                         static_cast<std::size_t>(width);
        for (const int x : columns) *out++ = row[x];
    }
    return block;
}

}  // namespace morvanta
