#pragma once

// What the plot menu's items do to the runs and the plot, the same in every edition: options
// that add to the empty plot (outcome map, direction field, isoclines), a tally of outcomes
// in the log after a run with the session's shares, shapes for the outcomes, own
// coefficients, and the last run's trials for the CSV table and the time course. The edition
// owns the menu, the dialogs and the files; all options start off and last for the session.

#include <functional>
#include <string>
#include <vector>

#include "core/driver/outcome_map.h"
#include "core/driver/outcome_shares.h"
#include "core/driver/run_driver.h"
#include "core/driver/trial_table.h"
#include "core/trial_overrides.h"
#include "plot/plot_surface.h"

namespace morvanta {

struct PlotOptions {
    bool isoclines = false;
    bool tallyOutcomes = false;
    bool outcomeShapes = false;
    bool outcomeMap = false;
    bool directionField = false;
};

class PlotSession {
public:
    // The plot the options draw on, and the "Fixed" group's selected item, asked when needed.
    PlotSession(PlotSurface& plot, std::function<int()> scenarioItem);

    PlotOptions options;
    TrialOverrides overrides;

    // What a run reports its trials to; it draws the options over the run's empty plot.
    RunObserver& Observer() { return table_; }
    // Draws what the options add to the empty plot just drawn.
    void DrawOverEmptyPlot();
    // After a run: the tally lines, when asked for; the trials are then ready to save.
    void RunFinished(RunOutlets& outlets);
    bool HasRun() const { return hasRun_; }
    const std::vector<TrialRecord>& Records() const { return table_.Records(); }
    // The last run's trials as the batch mode's --csv writes them.
    std::string TrialsCsv() const;
    // What the plot shows now in words, the scenario named by its caption in the edition.
    std::string Description(const std::string& scenarioCaption);

    // The coefficients a dialog starts from: the teacher's own, else the selected scenario's
    // (the severe ones for the scenario that draws its own).
    OffDiagonal ShownCoefficients() const;

private:
    Scenario SelectedScenario() const { return ScenarioFromItem(scenarioItem_()); }

    PlotSurface& plot_;
    std::function<int()> scenarioItem_;
    TrialTable table_{[this] { DrawOverEmptyPlot(); }};
    OutcomeMaps maps_;       // each made once, when the empty plot first needs it
    SessionCounts session_;  // every run's trials, by scenario and coefficients
    bool hasRun_ = false;
    bool runShown_ = false;  // the last run's trials are on the plot
};

// The settings of a run in any edition: the two groups' items as the edition reads them,
// and the session's shapes and coefficients.
class SessionSettings : public RunSettings {
public:
    SessionSettings(std::function<int()> trialsItem, std::function<int()> scenarioItem,
                    const PlotSession& session)
        : trialsItem_(std::move(trialsItem)),
          scenarioItem_(std::move(scenarioItem)),
          session_(session) {}
    int TrialsChoice() const override { return trialsItem_(); }
    int ScenarioChoice() const override { return scenarioItem_(); }
    bool OutcomeShapes() const override { return session_.options.outcomeShapes; }
    TrialOverrides Overrides() const override { return session_.overrides; }

private:
    std::function<int()> trialsItem_;
    std::function<int()> scenarioItem_;
    const PlotSession& session_;
};

}  // namespace morvanta
