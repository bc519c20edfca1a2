#include "core/direction_field.h"

namespace morvanta {

Vector2 OneStepChange(const CompetitionSystem& s, double n1, double n2) {
    // The same operations in the same order as Step: g N, then (A N) / K, then the product.
    const double load1 = (0.0 + 1.0 * n1) + s.a12 * n2;
    const double load2 = (0.0 + s.a21 * n1) + 1.0 * n2;
    const double d1 = (s.g1 * n1) * (1.0 - load1 / s.k1);
    const double d2 = (s.g2 * n2) * (1.0 - load2 / s.k2);
    return {d1 * TimeStep, d2 * TimeStep};
}

std::vector<FieldSample> DirectionField(const CompetitionSystem& system, double extent, int cells) {
    std::vector<FieldSample> field;
    if (cells <= 0) return field;
    const double width = extent / cells;
    for (int row = 0; row < cells; ++row) {
        for (int column = 0; column < cells; ++column) {
            const double n1 = (column + 0.5) * width;
            const double n2 = (row + 0.5) * width;
            const Vector2 change = OneStepChange(system, n1, n2);
            field.push_back({n1, n2, change[0], change[1]});
        }
    }
    return field;
}

}  // namespace morvanta
