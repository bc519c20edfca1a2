#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/cli/command_line.h"
#include "core/driver/trial_table.h"
#include "plot/plot_surface.h"
#include "session/output_file.h"
#include "session/png_file.h"

namespace morvanta {

// What the command line's work asks of the edition it runs in: its files, its plot and the
// plot's picture file.
class BatchPlatform {
public:
    virtual ~BatchPlatform() = default;
    // Makes ready for a batch run; returns the surface its last run is drawn on, off screen
    // and pixel for pixel the window's plot.
    virtual PlotSurface& StartBatch(const BatchOptions& options) = 0;
    // The first run's seed when the command line gives none: the clock's reading now.
    virtual std::uint32_t SeedNow() = 0;
    virtual std::unique_ptr<OutputFile> OpenFile(const std::string& path) = 0;
    // Writes bytes to path as OutputFile does. Returns why it could not, or nothing.
    virtual std::string WriteFile(const std::string& path, std::string_view bytes) = 0;
    // The plot StartBatch gave, as a PNG file with the texts.
    virtual std::string SavePlotPng(const std::string& path, const std::vector<PngText>& texts) = 0;
    virtual std::string SaveTimeCoursePng(const std::string& path,
                                          const std::vector<TrialRecord>& records) = 0;
    // How many runs are over, after each.
    virtual void RunsDone(long /*runs*/) {}
};

// Everything but the window: the help, the version, a refusal, or a batch run, with the
// program's name for its messages. Returns the process's exit status: 0 done, 1 a file could
// not be written, 2 a refused command line.
int RunCommand(const CommandLine& command, const std::string& program, const std::string& version,
               BatchPlatform& platform);

}  // namespace morvanta
