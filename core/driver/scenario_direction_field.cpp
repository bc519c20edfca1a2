#include "core/driver/scenario_direction_field.h"

#include "core/direction_field.h"
#include "plot/direction_field_plot.h"

namespace morvanta {

void DrawScenarioDirectionField(PlotSurface& surface, Scenario scenario,
                                const TrialOverrides& overrides) {
    const auto system = FixedSystemOf(scenario, overrides);
    if (!system) return;
    std::vector<DensityArrow> arrows;
    for (const FieldSample& s : DirectionField(*system, FieldExtent, FieldCells))
        arrows.push_back({s.n1, s.n2, s.d1, s.d2});
    DrawDirectionField(surface, arrows);
}

}  // namespace morvanta
