#pragma once

#include <cstdint>
#include <vector>

namespace morvanta {

// How much larger the window and its plot may be drawn: from their own size to three times it.
inline constexpr double MinZoom = 1.0;
inline constexpr double MaxZoom = 3.0;

// The factor within MinZoom .. MaxZoom; anything that is not a number is 1.
double ClampedZoom(double factor);

// A length in pixels at the factor, rounded to the nearest pixel.
int ZoomedLength(int length, double factor);

// Pixels as 0xffRRGGBB words, row by row.
struct PixelBlock {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// The block drawn at the factor: each pixel of the result takes the pixel under its centre
// (nearest neighbour), so a whole factor gives every pixel as a crisp square and no colour
// appears that was not there.
PixelBlock ZoomPixels(const std::uint32_t* pixels, int width, int height, double factor);

// The part of the zoomed block from (left, top) to (right, bottom), in the zoomed block's
// pixels and cut to it: the same pixels as ZoomPixels gives there, for a window that shows
// only what changed.
PixelBlock ZoomPixels(const std::uint32_t* pixels, int width, int height, double factor, int left,
                      int top, int right, int bottom);

}  // namespace morvanta
