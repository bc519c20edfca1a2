#pragma once

// What the plot menu's items do to the runs and the plot, the same in every edition: options
// that add to the empty plot (outcome map, direction field, isoclines), a tally of outcomes
// in the log after a run with the session's shares, shapes for the outcomes, own
// coefficients, and the last run's trials for the CSV table and the time course. The edition
// owns the menu, the dialogs and the files; all options start off and last for the session.

#include <cstdint>
#include <functional>
#include <optional>
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
    bool axisTicks = false;          // numbers on the axes, 0 to 0.9
    bool labelledIsoclines = false;  // each isocline in its species' colour, with its name
    bool caption = false;            // a line under the plot says what it shows
    // The window and its plot drawn this many times their size, 1 to 3.
    double zoom = 1.0;
    // Steps a second a run takes, so that it can be followed; 0 for as fast as it goes.
    int pace = 0;

    // Whether any option adds to the empty plot.
    bool DrawOnEmptyPlot() const { return isoclines || outcomeMap || directionField || axisTicks; }
};

// What can change between runs, as far as the empty plot is concerned.
enum class PlotChange {
    Coefficients,     // the teacher's own coefficients were set
    EmptyPlotOption,  // an option that draws on the empty plot was switched
    Scenario,         // another scenario was chosen
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
    // Whether the change alters the empty plot: then it is drawn again at once, so that the
    // class never sees the system before the change.
    bool RedrawsOn(PlotChange change) const;
    // Between runs: the empty plot again, with what the options add, where the change alters
    // it; whether it drew.
    bool Redraw(PlotChange change, int windowOuterWidth, int windowOuterHeight);
    // After a run: with the isoclines, the tally or the map on, a line that names the system's
    // case; with the tally, the run's seed, its results and the session's shares. The trials
    // are then ready to save. A run ended early counts in no shares.
    void RunFinished(RunOutlets& outlets, bool complete = true);
    // Forgets every run counted in the shares so far.
    void ResetShares() { session_ = SessionCounts{}; }
    bool HasRun() const { return hasRun_; }
    // The seed of the last run, once there is one.
    std::optional<std::uint32_t> LastSeed() const;
    // The scenario chosen in the "Fixed" group now.
    Scenario SelectedScenario() const { return ScenarioFromItem(scenarioItem_()); }
    const std::vector<TrialRecord>& Records() const { return table_.Records(); }
    // The seed of the run on the plot now; none once the empty plot is drawn again.
    std::optional<std::uint32_t> ShownSeed() const { return shownSeed_; }
    // The last run's trials as the batch mode's --csv writes them.
    std::string TrialsCsv() const;
    // What the plot shows now in words, the scenario named by its caption in the edition.
    std::string Description(const std::string& scenarioCaption);

    // The coefficients a dialog starts from: the teacher's own, else the selected scenario's
    // (the severe ones for the scenario that draws its own).
    OffDiagonal ShownCoefficients() const;

private:
    PlotSurface& plot_;
    std::function<int()> scenarioItem_;
    TrialTable table_{[this] { DrawOverEmptyPlot(); }};
    OutcomeMaps maps_;       // each made once, when the empty plot first needs it
    SessionCounts session_;  // every run's trials, by scenario and coefficients
    bool hasRun_ = false;
    bool runShown_ = false;  // the last run's trials are on the plot
    std::optional<std::uint32_t> shownSeed_;
};

// What RunFinished logs, for an edition that keeps its options itself: the system's case
// with the isoclines, the tally or the map on; the seed, the results and the shares so far
// (`sofar`, the session's counts of the run's system) with the tally.
void LogRunEnd(RunOutlets& outlets, const PlotOptions& options, Scenario scenario,
               const TrialOverrides& overrides, const std::vector<TrialRecord>& records,
               const EndCounts& sofar);

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
