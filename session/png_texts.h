#pragma once

// What a saved or copied plot shows, said in its PNG's text chunks: the scenario and its case,
// the coefficients, the options drawn, the seed of the run on it and the program's version.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/cli/command_line.h"
#include "session/plot_session.h"
#include "session/png_file.h"

namespace morvanta {

// Title, Software (with the version), Scenario, Case, Coefficients, Start (when fixed),
// Options ("none" or those on, comma-separated) and Seed (when a run is on the plot).
std::vector<PngText> PlotPngTexts(Scenario scenario, const TrialOverrides& overrides,
                                  const PlotOptions& options, std::optional<std::uint32_t> seed);

// The texts of the session's plot as it is now.
std::vector<PngText> PlotPngTexts(const PlotSession& session, Scenario scenario);

// The plot options a batch run draws with.
PlotOptions PlotOptionsOf(const BatchOptions& options);

}  // namespace morvanta
