#include "ui/qt/app/lesson_batch.h"

#include "core/driver/time_course.h"
#include "ui/qt/files/export_files.h"
#include "ui/qt/widgets/plot_image.h"

namespace morvanta {

std::string SaveTimeCoursePng(const std::string& path, const std::vector<TrialRecord>& records) {
    PlotImage figure;
    DrawTimeCourses(figure, TimeCoursesOf(records));
    return SavePlotPng(path, figure.Image());
}

}  // namespace morvanta
