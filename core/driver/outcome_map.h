#pragma once

#include <memory>
#include <ostream>
#include <utility>
#include <vector>

#include "core/competition_model.h"
#include "core/driver/outcome_shares.h"
#include "core/driver/trial_table.h"
#include "core/trial_overrides.h"
#include "plot/plot_surface.h"

namespace morvanta {

// Where each start leads: the trial that starts at the centre of every cell of a G x G grid
// over the densities [0, 1) x [0, 1), run by the model's own step and stop rules.
struct MapCell {
    double n1 = 0.0;  // the start, (i + 0.5) / G
    double n2 = 0.0;  // (j + 0.5) / G
    int steps = 0;
    Outcome outcome = Outcome::Limit;
    EndState ends = EndState::Neither;
    TrialResult result = TrialResult::BothAlive;
};

// The smallest and largest grids the batch mode takes, and the window's.
inline constexpr int MinMapGrid = 10;
inline constexpr int MaxMapGrid = 400;
inline constexpr int WindowMapGrid = 200;

class OutcomeMap {
public:
    // The map of the scenario's growth terms with these off-diagonal coefficients.
    OutcomeMap(Scenario scenario, double a12, double a21, int grid);

    int Grid() const { return grid_; }
    // Cell i across (species 1), j up (species 2).
    const MapCell& At(int i, int j) const {
        return cells_[static_cast<std::size_t>(j) * static_cast<std::size_t>(grid_) +
                      static_cast<std::size_t>(i)];
    }
    const std::vector<MapCell>& Cells() const { return cells_; }

private:
    MapCell& Cell(int i, int j) {
        return cells_[static_cast<std::size_t>(j) * static_cast<std::size_t>(grid_) +
                      static_cast<std::size_t>(i)];
    }

    int grid_;
    std::vector<MapCell> cells_;  // row by row, species 2's lowest density first
};

// Every map asked for, each made once: what the empty plot draws on every paint without
// running 40,000 trials again.
class OutcomeMaps {
public:
    const OutcomeMap& Of(Scenario scenario, double a12, double a21, int grid);

private:
    struct Key {
        Scenario scenario;
        double a12, a21;
        int grid;
        friend bool operator==(const Key&, const Key&) = default;
    };
    std::vector<std::pair<Key, std::unique_ptr<OutcomeMap>>> maps_;
};

// The map as the plot's background shading, with its legend.
void DrawOutcomeMap(PlotSurface& surface, const OutcomeMap& map);

// The map of the scenario's system (with the teacher's coefficients, if any); none for the
// scenario that draws new coefficients every trial.
const OutcomeMap* ScenarioOutcomeMap(OutcomeMaps& maps, Scenario scenario,
                                     const TrialOverrides& overrides, int grid);
// Draws it under everything else of the empty plot; nothing where there is none.
void DrawScenarioOutcomeMap(PlotSurface& surface, OutcomeMaps& maps, Scenario scenario,
                            const TrialOverrides& overrides, int grid);

// A header line, then one line per start: n1_start,n2_start,steps,outcome,extinct (1, 2,
// both or none),result (ResultName's words), doubles that read back exactly.
void WriteOutcomeMapCsv(std::ostream& out, const OutcomeMap& map);

}  // namespace morvanta
