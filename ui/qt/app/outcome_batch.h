#pragma once

#include <chrono>
#include <string>

#include "core/cli/command_line.h"
#include "core/driver/outcome_map.h"
#include "plot/plot_surface.h"

namespace morvanta {

// "runs: 120 of 1000" on a terminal's standard error, once the work has taken a second, at
// most every tenth of a second.
class Progress {
public:
    explicit Progress(long total);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;
    void Done(long runs);

private:
    using Clock = std::chrono::steady_clock;
    long total_;
    bool shown_;
    bool said_ = false;
    Clock::time_point start_ = Clock::now();
    Clock::time_point last_{};
};

// What the outcome options add to the batch run's empty plot: the outcome map, under
// everything else.
void DrawOutcomeField(PlotSurface& surface, const BatchOptions& options, OutcomeMaps& maps);

// Writes the outcome map as CSV, where asked. Returns why the file could not be written;
// empty when it was or none was asked for.
std::string SaveOutcomeMapCsv(const BatchOptions& options, OutcomeMaps& maps);

}  // namespace morvanta
