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
    PixelBlock block{ZoomedLength(width, factor), ZoomedLength(height, factor), {}};
    block.pixels.resize(static_cast<std::size_t>(block.width) *
                        static_cast<std::size_t>(block.height));
    std::vector<int> columns(static_cast<std::size_t>(block.width));
    for (int x = 0; x < block.width; ++x)
        columns[static_cast<std::size_t>(x)] = SourceIndex(x, factor, width);
    auto out = block.pixels.begin();
    for (int y = 0; y < block.height; ++y) {
        const std::uint32_t* row =
            pixels + static_cast<std::size_t>(SourceIndex(y, factor, height)) *
                         static_cast<std::size_t>(width);
        for (const int x : columns) *out++ = row[x];
    }
    return block;
}

}  // namespace morvanta
