#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/cli/command_line.h"
#include "core/driver/outcome_map.h"
#include "core/driver/run_driver.h"
#include "core/driver/trial_table.h"
#include "plot/plot_surface.h"

namespace morvanta {

// The seed of the first run: the one given, else the clock's reading now.
std::uint32_t FirstSeed(const BatchOptions& options);
// The seed of run `run` (0 is the first): one millisecond later each, past midnight from 0.
std::uint32_t SeedOfRun(std::uint32_t firstSeed, long run);

// Runs every run of --runs but the last, drawing nothing, and returns their trials one run
// after another; the caller runs the last on the plot. On a terminal, a run that takes more
// than a second says how far it has got on standard error.
std::vector<TrialRecord> RunEarlierRuns(const BatchOptions& options, const RunSettings& settings,
                                        std::uint32_t firstSeed);

// What the outcome options add to the batch run's empty plot: the outcome map, under
// everything else.
void DrawOutcomeField(PlotSurface& surface, const BatchOptions& options, OutcomeMaps& maps);

// Writes the outcome map and the summary of all trials, where asked. Returns why each file
// that could not be written was not; nothing when all went well.
std::vector<std::string> WriteOutcomeFiles(const BatchOptions& options,
                                           const std::vector<TrialRecord>& records,
                                           OutcomeMaps& maps);

}  // namespace morvanta
