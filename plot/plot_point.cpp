#include "plot/plot_point.h"

#include <cmath>
#include <limits>

namespace morvanta {

std::int32_t RoundHalfEven(double value) {
    // Densities stay well inside the plot, but a value that cannot be an int must not be
    // converted blindly: keep it far outside the surface, where drawing is clipped anyway.
    constexpr double Limit = 1.0e9;
    if (std::isnan(value)) return 0;
    if (value > Limit) return static_cast<std::int32_t>(Limit);
    if (value < -Limit) return static_cast<std::int32_t>(-Limit);
    // The default floating-point rounding mode, which the program never changes, is round
    // to nearest with ties to even.
    return static_cast<std::int32_t>(std::nearbyint(value));
}

PlotPoint ToPixel(double density1, double density2) {
    return {RoundHalfEven(density1 * PixelScale) + PlotLeft,
            PlotBottom - RoundHalfEven(density2 * PixelScale)};
}

}  // namespace morvanta
