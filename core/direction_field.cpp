#include "core/direction_field.h"

namespace morvanta {

Vector2 OneStepChange(const CompetitionSystem& system, double n1, double n2) {
    return StepChange(DynamicsOf(system), Vector2{n1, n2});
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
