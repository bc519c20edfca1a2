#include "core/driver/outcome_map.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "plot/outcome_shading.h"

namespace morvanta {
namespace {

// Starts are run a block at a time, every cell of the block taking one step before any takes
// the next: the cells do not depend on one another, so the processor overlaps their chains of
// divisions.
constexpr std::size_t Block = 32;

// Runs each cell's trial to its end by the model's own step and stop rules.
void RunBlock(const std::vector<MapCell*>& cells, const Dynamics& dynamics) {
    std::array<Vector2, Block> n{};
    std::array<int, Block> stoppedAt{};  // the step a cell stopped at; 0 while running
    for (std::size_t c = 0; c < cells.size(); ++c) n[c] = {cells[c]->n1, cells[c]->n2};
    std::size_t running = cells.size();
    for (int step = 1; running > 0; ++step) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (stoppedAt[c] != 0) continue;
            n[c] = Stepped(dynamics, n[c]);
            if (StopsAfter(n[c], dynamics.K, step)) {
                stoppedAt[c] = step;
                --running;
            }
        }
    }
    ModelState model;
    InitRunParameters(model);
    for (std::size_t c = 0; c < cells.size(); ++c) {
        model.N = n[c];
        cells[c]->steps = stoppedAt[c];
        cells[c]->outcome = OutcomeOf(model);
        cells[c]->ends = EndStateOf(model.N);
        cells[c]->result = ResultOf({cells[c]->n1, cells[c]->n2}, model.N, cells[c]->outcome);
    }
}

}  // namespace

OutcomeMap::OutcomeMap(Scenario scenario, double a12, double a21, int grid)
    : grid_(std::clamp(grid, 1, MaxMapGrid)),
      cells_(static_cast<std::size_t>(grid_) * static_cast<std::size_t>(grid_)) {
    ModelState model;
    InitRunParameters(model);
    model.A = {Vector2{DiagonalCoefficient, a12}, Vector2{a21, DiagonalCoefficient}};
    const Dynamics dynamics = DynamicsOf(model, scenario);
    std::vector<MapCell*> block;
    for (int j = 0; j < grid_; ++j) {
        for (int i = 0; i < grid_; ++i) {
            MapCell& m = Cell(i, j);
            m.n1 = (i + 0.5) / grid_;
            m.n2 = (j + 0.5) / grid_;
            block.push_back(&m);
            if (block.size() == Block) {
                RunBlock(block, dynamics);
                block.clear();
            }
        }
    }
    if (!block.empty()) RunBlock(block, dynamics);
}

const OutcomeMap& OutcomeMaps::Of(Scenario scenario, double a12, double a21, int grid) {
    const Key key{scenario, a12, a21, grid};
    for (const auto& [known, map] : maps_)
        if (known == key) return *map;
    maps_.emplace_back(key, std::make_unique<OutcomeMap>(scenario, a12, a21, grid));
    return *maps_.back().second;
}

void DrawOutcomeMap(PlotSurface& surface, const OutcomeMap& map) {
    std::vector<std::uint8_t> shades;
    shades.reserve(map.Cells().size());
    // The shades are in the order of TrialResult.
    for (const MapCell& m : map.Cells()) shades.push_back(static_cast<std::uint8_t>(m.result));
    DrawOutcomeShading(surface, shades, map.Grid());
}

const OutcomeMap* ScenarioOutcomeMap(OutcomeMaps& maps, Scenario scenario,
                                     const TrialOverrides& overrides, int grid) {
    const auto system = FixedSystemOf(scenario, overrides);
    if (!system) return nullptr;
    return &maps.Of(scenario, system->a12, system->a21, grid);
}

void DrawScenarioOutcomeMap(PlotSurface& surface, OutcomeMaps& maps, Scenario scenario,
                            const TrialOverrides& overrides, int grid) {
    if (const OutcomeMap* map = ScenarioOutcomeMap(maps, scenario, overrides, grid))
        DrawOutcomeMap(surface, *map);
}

void WriteOutcomeMapCsv(std::ostream& out, const OutcomeMap& map) {
    out << "n1_start,n2_start,steps,outcome,extinct,result\n";
    for (const MapCell& m : map.Cells()) {
        out << ShortestText(m.n1) << ',' << ShortestText(m.n2) << ',' << m.steps << ','
            << OutcomeName(m.outcome) << ',' << ExtinctWord(m.ends) << ',' << ResultName(m.result)
            << '\n';
    }
}

}  // namespace morvanta
