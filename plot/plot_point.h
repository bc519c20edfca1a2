#pragma once

#include <cstdint>

namespace morvanta {

// Plot geometry: the axes' ends and how many pixels one unit of density spans.
inline constexpr int PlotLeft = 20;
inline constexpr int PlotTop = 20;
inline constexpr int PlotRight = 380;
inline constexpr int PlotBottom = 380;
inline constexpr int PixelScale = 300;

// A pixel on the plot surface, x to the right, y downwards.
struct PlotPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const PlotPoint&, const PlotPoint&) = default;
};

// Rounds to the nearest integer, halves to the even neighbour (150.5 -> 150, 151.5 -> 152).
std::int32_t RoundHalfEven(double value);

// Species 1 grows to the right from the vertical axis, species 2 upwards from the
// horizontal axis: (0, 0) is the corner (20, 380).
PlotPoint ToPixel(double density1, double density2);

}  // namespace morvanta
