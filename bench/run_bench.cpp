// Cost per step of a whole run through RunTrials (with its interface calls) against the
// bare model loop, Step + ShouldStop, which is the arithmetic's floor.

#include <benchmark/benchmark.h>

#include "core/competition_model.h"
#include "core/driver/run_driver.h"
#include "core/uniform_random.h"
#include "tests/support/recording_fakes.h"

namespace morvanta {
namespace {

constexpr int HundredTrials = 100;

// Counts steps so that the driver's figure is per step, like the bare loop's.
class CountingOutlets : public SilentOutlets {
public:
    void ShowStepNumber(int) override { ++steps; }
    long steps = 0;
};

void BM_RunTrials(benchmark::State& state) {
    const int scenario = static_cast<int>(state.range(0));
    const testkit::FixedSettings settings(HundredTrialsItem, scenario);
    const auto clock = testkit::FixedClock::ForSeed(43200000);
    BlankSurface surface;
    CountingOutlets outlets;
    for (auto _ : state) RunTrials(settings, outlets, surface, clock, 623, 610);
    state.counters["ns_per_step"] =
        benchmark::Counter(static_cast<double>(outlets.steps),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_BareModelLoop(benchmark::State& state) {
    const auto scenario = static_cast<Scenario>(state.range(0));
    const auto clock = testkit::FixedClock::ForSeed(43200000);
    long steps = 0;
    for (auto _ : state) {
        SeedFromClock(clock);
        ModelState model;
        InitRunParameters(model);
        for (int trial = 0; trial < HundredTrials; ++trial) {
            SetUpTrial(model, scenario);
            int stepCount = 0;
            do {
                Step(model, scenario);
                ++stepCount;
                benchmark::DoNotOptimize(model.N);
            } while (!ShouldStop(model, stepCount));
            steps += stepCount;
        }
    }
    state.counters["ns_per_step"] = benchmark::Counter(
        static_cast<double>(steps), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_BareModelLoop)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RunTrials)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace morvanta

BENCHMARK_MAIN();
