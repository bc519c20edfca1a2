#include "core/driver/outcome_map.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "plot/outcome_shading.h"

namespace morvanta {
namespace {

// Starts are run a block at a time, every cell of the block taking one step before any takes
// the next: the cells do not depend on one another, so the processor overlaps their chains of
// divisions, four cells to a vector.
using Doubles = double __attribute__((vector_size(16)));
using Masks = std::int64_t __attribute__((vector_size(16)));  // a comparison's lanes: 0 or -1
constexpr std::size_t Lanes = sizeof(Doubles) / sizeof(double);
constexpr std::size_t Vectors = 16;
constexpr std::size_t Block = Lanes * Vectors;
// How many steps go by between looks at whether the whole block has stopped; a stopped cell
// is left as it is, so the extra steps change nothing.
constexpr int StepsBetweenLooks = 8;

struct BlockState {
    std::array<Doubles, Vectors> n1{}, n2{};
    std::array<Masks, Vectors> stoppedAt{};  // the step a cell stopped at; 0 while running
};

// The model's step (Step) and stop test (ShouldStop), written for a block: the same
// operations in the same order, so every density is bit for bit the model's, and each cell
// stops at the same step as the model's trial.
void StepBlock(BlockState& s, double a12, double a21, double g2, std::int64_t step) {
    constexpr double g1 = GrowthRate;
    constexpr double k = CarryingCapacity;
    const Masks stepNow = Masks{} + step;
    const Masks atLimit = Masks{} + (step >= MaxSteps ? -1 : 0);
    for (std::size_t v = 0; v < Vectors; ++v) {
        const Doubles n1 = s.n1[v];
        const Doubles n2 = s.n2[v];
        // A N, each row summed left to right from 0.0, the diagonal being 1.0.
        const Doubles an1 = (0.0 + DiagonalCoefficient * n1) + a12 * n2;
        const Doubles an2 = (0.0 + a21 * n1) + DiagonalCoefficient * n2;
        const Doubles d1 = (g1 * n1) * (1.0 - an1 / k);
        const Doubles d2 = (g2 * n2) * (1.0 - an2 / k);
        const Masks running = s.stoppedAt[v] == 0;
        const Doubles next1 = running ? d1 * TimeStep + n1 : n1;
        const Doubles next2 = running ? d2 * TimeStep + n2 : n2;
        s.n1[v] = next1;
        s.n2[v] = next2;
        const Masks stop = atLimit | (next1 < ExtinctionLevel) | (next2 < ExtinctionLevel) |
                           (next1 >= k) | (next2 >= k);
        s.stoppedAt[v] = (running & stop) ? stepNow : s.stoppedAt[v];
    }
}

bool AnyRunning(const BlockState& s) {
    Masks running{};
    for (const Masks& at : s.stoppedAt) running |= at == 0;
    for (std::size_t lane = 0; lane < Lanes; ++lane)
        if (running[lane]) return true;
    return false;
}

// Runs each cell's trial to its end.
void RunBlock(const std::vector<MapCell*>& cells, double a12, double a21, double g2) {
    BlockState s;
    for (std::size_t c = 0; c < Block; ++c) {
        if (c < cells.size()) {
            s.n1[c / Lanes][c % Lanes] = cells[c]->n1;
            s.n2[c / Lanes][c % Lanes] = cells[c]->n2;
        } else {
            s.stoppedAt[c / Lanes][c % Lanes] = -1;  // no cell here
        }
    }
    for (std::int64_t step = 1; AnyRunning(s);) {
        for (int i = 0; i < StepsBetweenLooks; ++i) StepBlock(s, a12, a21, g2, step++);
    }
    ModelState model;
    InitRunParameters(model);
    for (std::size_t c = 0; c < cells.size(); ++c) {
        model.N = {s.n1[c / Lanes][c % Lanes], s.n2[c / Lanes][c % Lanes]};
        cells[c]->steps = static_cast<int>(s.stoppedAt[c / Lanes][c % Lanes]);
        cells[c]->outcome = OutcomeOf(model);
        cells[c]->ends = EndStateOf(model.N);
    }
}

EndState Mirrored(EndState ends) {
    if (ends == EndState::Species1Extinct) return EndState::Species2Extinct;
    if (ends == EndState::Species2Extinct) return EndState::Species1Extinct;
    return ends;
}

}  // namespace

OutcomeMap::OutcomeMap(Scenario scenario, double a12, double a21, int grid)
    : grid_(std::clamp(grid, 1, MaxMapGrid)),
      cells_(static_cast<std::size_t>(grid_) * static_cast<std::size_t>(grid_)) {
    const double g2 = scenario == Scenario::ReversedGrowth ? -1.0 * GrowthRate : GrowthRate;
    for (int j = 0; j < grid_; ++j) {
        for (int i = 0; i < grid_; ++i) {
            MapCell& m = Cell(i, j);
            m.n1 = (i + 0.5) / grid_;
            m.n2 = (j + 0.5) / grid_;
        }
    }
    // When the species are alike but for their densities, the step for (n2, n1) is the step
    // for (n1, n2) with the species swapped, bit for bit (the two products of A N are summed
    // in either order, and a sum does not depend on its order): one half of the map is the
    // other mirrored.
    const bool mirror = a12 == a21 && g2 == GrowthRate;
    std::vector<MapCell*> block;
    for (int j = 0; j < grid_; ++j) {
        for (int i = mirror ? j : 0; i < grid_; ++i) {
            block.push_back(&Cell(i, j));
            if (block.size() == Block) {
                RunBlock(block, a12, a21, g2);
                block.clear();
            }
        }
    }
    if (!block.empty()) RunBlock(block, a12, a21, g2);
    if (!mirror) return;
    for (int j = 1; j < grid_; ++j) {
        for (int i = 0; i < j; ++i) {
            const MapCell& twin = Cell(j, i);
            MapCell& m = Cell(i, j);
            m.steps = twin.steps;
            m.outcome = twin.outcome;
            m.ends = Mirrored(twin.ends);
        }
    }
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
    // The shades are in the order of EndState: species 2 out, species 1 out, both, neither.
    for (const MapCell& m : map.Cells()) shades.push_back(static_cast<std::uint8_t>(m.ends));
    DrawOutcomeShading(surface, shades, map.Grid());
}

void WriteOutcomeMapCsv(std::ostream& out, const OutcomeMap& map) {
    out << "n1_start,n2_start,steps,outcome,extinct\n";
    for (const MapCell& m : map.Cells()) {
        const char* extinct = m.ends == EndState::Species1Extinct   ? "1"
                              : m.ends == EndState::Species2Extinct ? "2"
                              : m.ends == EndState::BothExtinct     ? "both"
                                                                    : "none";
        out << ShortestText(m.n1) << ',' << ShortestText(m.n2) << ',' << m.steps << ','
            << OutcomeName(m.outcome) << ',' << extinct << '\n';
    }
}

}  // namespace morvanta
