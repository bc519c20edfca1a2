// The outcome map behind the plot: every start of a G x G grid run to its end by the model's
// rules, for each scenario with fixed coefficients. The window computes a 200 x 200 map once
// per scenario and coefficients, when the empty plot first needs it.

#include <benchmark/benchmark.h>

#include "core/competition_system.h"
#include "core/driver/outcome_map.h"

namespace morvanta {
namespace {

void BM_OutcomeMap(benchmark::State& state) {
    const auto scenario = static_cast<Scenario>(state.range(0));
    const int grid = static_cast<int>(state.range(1));
    const CompetitionSystem system = *FixedSystemOf(scenario);
    long long steps = 0;
    for (auto _ : state) {
        const OutcomeMap map(scenario, system.a12, system.a21, grid);
        for (const MapCell& cell : map.Cells()) steps += cell.steps;
        benchmark::DoNotOptimize(steps);
    }
    state.counters["steps"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kAvgIterations);
    state.counters["ns_per_step"] = benchmark::Counter(
        static_cast<double>(steps), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_OutcomeMap)
    ->ArgNames({"scenario", "grid"})
    ->ArgsProduct({{1, 2, 3}, {50, 100, 200}})
    ->Args({2, 400})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvanta

BENCHMARK_MAIN();
