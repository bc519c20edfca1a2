#include "session/png_texts.h"

#include "core/driver/lesson_outcomes.h"
#include "core/number_text.h"
#include "session/batch_runs.h"

#ifndef MORVANTA_VERSION
#error "MORVANTA_VERSION must be defined by the build"
#endif

namespace morvanta {

std::vector<PngText> PlotPngTexts(Scenario scenario, const TrialOverrides& overrides,
                                  const PlotOptions& options, std::optional<std::uint32_t> seed) {
    std::vector<PngText> texts{{"Title", "Phase plane"},
                               {"Software", std::string("Morvanta ") + MORVANTA_VERSION},
                               {"Scenario", ScenarioCaption(scenario)}};
    if (const auto system = FixedSystemOf(scenario, overrides)) {
        texts.emplace_back("Case", CaseText(CaseOf(*system)));
        texts.emplace_back("Coefficients", "a12 " + ShortestText(system->a12) + ", a21 " +
                                               ShortestText(system->a21));
        if (overrides.start)
            texts.emplace_back("Start", ShortestText((*overrides.start)[0]) + "," +
                                            ShortestText((*overrides.start)[1]));
    } else {
        texts.emplace_back("Coefficients", "drawn every trial");
    }
    std::string on;
    const std::pair<bool, const char*> named[] = {{options.isoclines, "isoclines"},
                                                  {options.tallyOutcomes, "tally"},
                                                  {options.outcomeShapes, "shapes"},
                                                  {options.outcomeMap, "outcome map"},
                                                  {options.directionField, "direction field"}};
    for (const auto& [isOn, name] : named)
        if (isOn) on += (on.empty() ? "" : ", ") + std::string(name);
    texts.emplace_back("Options", on.empty() ? "none" : on);
    if (seed) texts.emplace_back("Seed", std::to_string(*seed));
    return texts;
}

std::vector<PngText> PlotPngTexts(const PlotSession& session, Scenario scenario) {
    return PlotPngTexts(scenario, session.overrides, session.options, session.ShownSeed());
}

PlotOptions PlotOptionsOf(const BatchOptions& options) {
    PlotOptions plot;
    plot.isoclines = options.isoclines;
    plot.outcomeShapes = options.outcomeShapes;
    plot.outcomeMap = options.outcomes.outcomeMap;
    plot.directionField = options.lesson.directionField;
    return plot;
}

}  // namespace morvanta
