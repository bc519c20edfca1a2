#pragma once

#include <ostream>
#include <vector>

#include "core/competition_model.h"
#include "core/driver/trial_table.h"
#include "plot/plot_surface.h"

namespace morvanta {

// The densities of one trial at every step, the start first.
struct TimeCourse {
    int trial = 0;
    std::vector<Vector2> densities;
};

// A trial's steps, taken again from its record: the model is a function of its state alone,
// so the same start, coefficients and scenario give the same steps, bit for bit, as the run.
// The run itself keeps nothing per step.
TimeCourse TimeCourseOf(const TrialRecord& record);
std::vector<TimeCourse> TimeCoursesOf(const std::vector<TrialRecord>& records);

// A header line, then one line per step of every trial; densities read back exactly.
void WriteTimeCourseCsv(std::ostream& out, const std::vector<TimeCourse>& courses);
// The two parts of it, for a table written a trial at a time.
void WriteTimeCourseCsvHeader(std::ostream& out);
void WriteTimeCourseCsvRows(std::ostream& out, const TimeCourse& course);

// The time course figure of the trials, over the whole surface.
void DrawTimeCourses(PlotSurface& surface, const std::vector<TimeCourse>& courses);

}  // namespace morvanta
