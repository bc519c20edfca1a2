#include "core/driver/scenario_isoclines.h"

namespace morvanta {

std::optional<CompetitionSystem> FixedSystemOf(Scenario scenario) {
    switch (scenario) {
        case Scenario::StartPoint:
            return std::nullopt;
        case Scenario::CompSevere:
            return CompetitionSystem{SevereCoefficient, SevereCoefficient, CarryingCapacity,
                                     CarryingCapacity,  GrowthRate,        GrowthRate};
        case Scenario::CompMild:
            return CompetitionSystem{MildCoefficient,  MildCoefficient, CarryingCapacity,
                                     CarryingCapacity, GrowthRate,      GrowthRate};
        case Scenario::ReversedGrowth:
            break;
    }
    return CompetitionSystem{SevereCoefficient, SevereCoefficient, CarryingCapacity,
                             CarryingCapacity,  GrowthRate,        -1.0 * GrowthRate};
}

void DrawScenarioIsoclines(PlotSurface& surface, Scenario scenario) {
    if (const auto system = FixedSystemOf(scenario)) DrawIsoclines(surface, *system);
}

}  // namespace morvanta
