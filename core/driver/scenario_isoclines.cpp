#include "core/driver/scenario_isoclines.h"

#include "plot/isoclines.h"

namespace morvanta {

void DrawSystemIsoclines(PlotSurface& surface, const CompetitionSystem& system,
                         IsoclineStyle style) {
    std::vector<DensityLine> lines;
    for (const ZeroGrowthLine& line : ZeroGrowthLines(system))
        lines.push_back({line.a1, line.a2, line.k});
    std::vector<DensityMark> marks;
    for (const Equilibrium& e : EquilibriaInQuadrant(system))
        marks.push_back({e.n1, e.n2, e.stable});
    DrawIsoclines(surface, lines, marks, style);
}

void DrawScenarioIsoclines(PlotSurface& surface, Scenario scenario, const TrialOverrides& overrides,
                           IsoclineStyle style) {
    if (const auto system = FixedSystemOf(scenario, overrides))
        DrawSystemIsoclines(surface, *system, style);
}

}  // namespace morvanta
