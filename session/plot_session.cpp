#include "session/plot_session.h"

#include "core/competition_system.h"
#include "core/driver/lesson_outcomes.h"
#include "core/driver/scenario_direction_field.h"
#include "core/driver/scenario_isoclines.h"
#include "plot/axis_ticks.h"
#include "plot/phase_plot.h"
#include "session/plot_description.h"

namespace morvanta {

PlotSession::PlotSession(PlotSurface& plot, std::function<int()> scenarioItem)
    : plot_(plot), scenarioItem_(std::move(scenarioItem)) {}

void PlotSession::DrawOverEmptyPlot() {
    runShown_ = false;
    shownSeed_.reset();
    const Scenario scenario = SelectedScenario();
    if (options.outcomeMap)  // under everything else
        DrawScenarioOutcomeMap(plot_, maps_, scenario, overrides, WindowMapGrid);
    if (options.axisTicks) DrawAxisTicks(plot_);  // over the map, which covers the ticks' pixels
    if (options.directionField) DrawScenarioDirectionField(plot_, scenario, overrides);
    if (options.isoclines)
        DrawScenarioIsoclines(
            plot_, scenario, overrides,
            options.labelledIsoclines ? IsoclineStyle::Labelled : IsoclineStyle::Muted);
}

bool PlotSession::RedrawsOn(PlotChange change) const {
    switch (change) {
        case PlotChange::EmptyPlotOption:
            return true;  // switched on or off, what it draws comes or goes
        case PlotChange::Coefficients:
        case PlotChange::Scenario:
            return options.DrawOnEmptyPlot();
    }
    return false;
}

bool PlotSession::Redraw(PlotChange change, int windowOuterWidth, int windowOuterHeight) {
    if (!RedrawsOn(change)) return false;
    PlotArea(plot_, windowOuterWidth, windowOuterHeight);
    DrawOverEmptyPlot();
    return true;
}

std::optional<std::uint32_t> PlotSession::LastSeed() const {
    if (table_.Records().empty()) return std::nullopt;
    return table_.Records().front().seed;
}

void PlotSession::RunFinished(RunOutlets& outlets, bool complete) {
    hasRun_ = true;
    runShown_ = true;
    const std::vector<TrialRecord>& records = table_.Records();
    if (!complete) return;
    // The session's shares count every run of the run's system, the tally shown or not.
    const Scenario scenario = records.empty() ? SelectedScenario() : records.front().scenario;
    const auto system = FixedSystemOf(scenario, overrides);
    const EndCounts& sofar =
        session_.Add(scenario, system ? system->a12 : 0.0, system ? system->a21 : 0.0, records);
    if (!records.empty()) shownSeed_ = records.front().seed;
    LogRunEnd(outlets, options, scenario, overrides, records, sofar);
}

void LogRunEnd(RunOutlets& outlets, const PlotOptions& options, Scenario scenario,
               const TrialOverrides& overrides, const std::vector<TrialRecord>& records,
               const EndCounts& sofar) {
    if (options.isoclines || options.tallyOutcomes || options.outcomeMap)
        outlets.AppendLog(SystemLine(scenario, overrides));
    if (options.tallyOutcomes) {
        if (!records.empty()) outlets.AppendLog("Seed " + std::to_string(records.front().seed));
        outlets.AppendLog(ResultsTallyLine(records));
        outlets.AppendLog(ResultsSharesLine(sofar));
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
    content.axisNumbers = options.axisTicks;
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
