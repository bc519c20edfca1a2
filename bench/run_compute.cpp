// The compute of one run, the model and the rasteriser together (no screen): the same program
// built natively and as wasm (run under node), so that bench/web_ratio.sh can set one against
// the other. Prints the milliseconds of each repetition, one a line.
//   run_compute SCENARIO_ITEM TRIALS_ITEM SEED REPETITIONS

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "core/driver/run_driver.h"
#include "core/system_clock.h"
#include "plot/raster_surface.h"

namespace {

class Settings : public morvanta::RunSettings {
public:
    Settings(int scenario, int trials) : scenario_(scenario), trials_(trials) {}
    int TrialsChoice() const override { return trials_; }
    int ScenarioChoice() const override { return scenario_; }

private:
    int scenario_, trials_;
};

// Labels need a font engine; their two calls a run makes are left out.
class Surface : public morvanta::RasterSurface {
public:
    void TextOut(int, int, const std::string&) override {}
};

// One run, timed; in a function of its own, called once a repetition, as the page calls the
// driver once a frame. A loop that stays inside one call of a wasm function runs as the engine
// first compiled it (V8 replaces a function's baseline code with optimised code only between
// calls), so the run inlined into main would time the baseline compiler, not the page's code.
// main calls it through a pointer the optimisers cannot see through: binaryen inlines a
// function with one caller whatever the compiler was told.
double TimedRun(const Settings& settings, Surface& surface, const morvanta::FixedClock& clock) {
    morvanta::SilentOutlets outlets;
    const auto start = std::chrono::steady_clock::now();
    morvanta::RunTrials(settings, outlets, surface, clock, morvanta::MapWidth, morvanta::MapHeight);
    const std::chrono::duration<double, std::milli> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) return 2;
    const Settings settings(std::atoi(argv[1]), std::atoi(argv[2]));
    const auto clock =
        morvanta::FixedClock::ForSeed(static_cast<std::uint32_t>(std::atol(argv[3])));
    const int repetitions = std::atoi(argv[4]);
    Surface surface;
    double (*volatile timedRun)(const Settings&, Surface&, const morvanta::FixedClock&) = &TimedRun;
    for (int i = 0; i < repetitions; ++i) std::printf("%.3f\n", timedRun(settings, surface, clock));
    return 0;
}
