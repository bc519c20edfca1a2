#include "session/plot_caption.h"

#include <vector>

#include "core/competition_system.h"
#include "core/driver/lesson_outcomes.h"
#include "core/number_text.h"

namespace morvanta {

std::string PlotCaptionText(const PlotSession& session) {
    const Scenario scenario = session.SelectedScenario();
    std::string text = ScenarioCaption(scenario);
    if (const auto system = FixedSystemOf(scenario, session.overrides))
        text += "; a12 " + ShortestText(system->a12) + ", a21 " + ShortestText(system->a21);
    else
        text += "; coefficients drawn each trial";
    const PlotOptions& o = session.options;
    std::vector<std::string> shown;
    if (o.isoclines) shown.emplace_back("isoclines");
    if (o.outcomeMap) shown.emplace_back("outcome map");
    if (o.directionField) shown.emplace_back("direction field");
    if (o.outcomeShapes) shown.emplace_back("shapes");
    for (std::size_t i = 0; i < shown.size(); ++i) text += (i == 0 ? "; " : ", ") + shown[i];
    if (const auto seed = session.LastSeed()) text += "; seed " + std::to_string(*seed);
    return text;
}

}  // namespace morvanta
