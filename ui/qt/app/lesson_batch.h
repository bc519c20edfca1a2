#pragma once

#include <string>
#include <vector>

#include "core/cli/command_line.h"
#include "core/driver/trial_table.h"
#include "plot/plot_surface.h"

namespace morvanta {

// What the lesson options add to the batch run's empty plot: the direction field, drawn
// under the isoclines.
void DrawLessonField(PlotSurface& surface, const BatchOptions& options);

// Writes the time course of the trials as a picture. Returns why the file could not be
// written; empty when it was.
std::string SaveTimeCoursePng(const std::string& path, const std::vector<TrialRecord>& records);

}  // namespace morvanta
