#include "session/plot_session.h"

#include "core/competition_system.h"
#include "core/driver/scenario_direction_field.h"
#include "core/driver/scenario_isoclines.h"
#include "session/plot_description.h"

namespace morvanta {

PlotSession::PlotSession(PlotSurface& plot, std::function<int()> scenarioItem)
    : plot_(plot), scenarioItem_(std::move(scenarioItem)) {}

void PlotSession::DrawOverEmptyPlot() {
    runShown_ = false;
    const Scenario scenario = SelectedScenario();
    if (options.outcomeMap)  // under everything else
        DrawScenarioOutcomeMap(plot_, maps_, scenario, overrides, WindowMapGrid);
    if (options.directionField) DrawScenarioDirectionField(plot_, scenario, overrides);
    if (options.isoclines) DrawScenarioIsoclines(plot_, scenario, overrides);
}

void PlotSession::RunFinished(RunOutlets& outlets) {
    hasRun_ = true;
    runShown_ = true;
    const std::vector<TrialRecord>& records = table_.Records();
    // The session's shares count every run of the run's system, the tally shown or not.
    const Scenario scenario = records.empty() ? SelectedScenario() : records.front().scenario;
    const auto system = FixedSystemOf(scenario, overrides);
    const EndCounts& sofar =
        session_.Add(scenario, system ? system->a12 : 0.0, system ? system->a21 : 0.0, records);
    if (options.tallyOutcomes) {
        outlets.AppendLog(TallyLine(records));
        outlets.AppendLog(SharesLine(sofar));
    }
}

std::string PlotSession::TrialsCsv() const { return TrialsCsvText(table_.Records()); }

std::string PlotSession::Description(const std::string& scenarioCaption) {
    const Scenario scenario =
        runShown_ && !Records().empty() ? Records().front().scenario : SelectedScenario();
    PlotContent content;
    content.scenarioCaption = scenarioCaption;
    content.system = FixedSystemOf(scenario, overrides);
    content.isoclines = options.isoclines;
    content.directionField = options.directionField;
    if (options.outcomeMap)
        content.outcomeMap = ScenarioOutcomeMap(maps_, scenario, overrides, WindowMapGrid);
    if (TakesOverrides(scenario)) content.ownCoefficients = overrides.coefficients;
    if (runShown_) content.run = &Records();
    return PlotDescription(content);
}

OffDiagonal PlotSession::ShownCoefficients() const {
    if (overrides.coefficients) return *overrides.coefficients;
    if (const auto system = FixedSystemOf(SelectedScenario())) return {system->a12, system->a21};
    return {SevereCoefficient, SevereCoefficient};
}

}  // namespace morvanta
