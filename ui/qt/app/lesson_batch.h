#pragma once

#include <string>
#include <vector>

#include "core/cli/command_line.h"
#include "core/driver/trial_table.h"
#include "core/trial_overrides.h"
#include "plot/plot_surface.h"

namespace morvanta {

// What the lesson options fix instead of the scenario's own choice.
TrialOverrides OverridesOf(const LessonOptions& lesson);

// What the lesson options add to the batch run's empty plot: the direction field, drawn
// under the isoclines.
void DrawLessonField(PlotSurface& surface, const BatchOptions& options);

// Writes the time course as CSV and as a picture, where asked. Returns why each file that
// could not be written was not; nothing when all went well.
std::vector<std::string> WriteLessonFiles(const BatchOptions& options,
                                          const std::vector<TrialRecord>& records);

}  // namespace morvanta
