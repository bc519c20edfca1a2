#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include "core/cli/command_line.h"
#include "core/driver/outcome_shares.h"
#include "core/driver/run_driver.h"
#include "core/driver/trial_table.h"
#include "core/trial_overrides.h"
#include "plot/plot_surface.h"

namespace morvanta {

// What the lesson options fix instead of the scenario's own choice.
TrialOverrides OverridesOf(const LessonOptions& lesson);

// The seed of the first run: the one given, else the clock's reading now.
std::uint32_t FirstSeed(const BatchOptions& options);
// The seed of run `run` (0 is the first, which keeps the first seed): a clock reading of the
// day, 0 to 86,399,999, mixed from the first seed and the run's number.
std::uint32_t SeedOfRun(std::uint32_t firstSeed, long run);

// Where each run's rows go as the run ends; none: that table is not written.
struct BatchTables {
    std::ostream* trials = nullptr;      // the trials as CSV
    std::ostream* timeCourse = nullptr;  // every step of every trial as CSV
};

// Runs every run of --runs, one after another: each run's rows are written as it ends, and
// only its ends are counted, so nothing grows with the number of runs. Every run but the last
// draws nothing; the last is drawn on `plot`, its trials left in `lastRun`. `done` is told
// how many runs are over after each. Returns the ends of all trials.
EndCounts RunBatchRuns(const BatchOptions& options, PlotSurface& plot, TrialTable& lastRun,
                       const BatchTables& tables, const std::function<void(long)>& done = {});

// The share of each end over all trials, with its 95 % Wilson interval, as CSV: the four
// rows by the species lost, then one row for each of the lesson's results.
void WriteSummaryCsv(std::ostream& out, const EndCounts& counts);

}  // namespace morvanta
