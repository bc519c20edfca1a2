#include "ui/app/lesson_batch.h"

#include <iostream>
#include <sstream>

#include "core/driver/scenario_direction_field.h"
#include "core/driver/time_course.h"
#include "ui/app/export_files.h"
#include "ui/widgets/plot_image.h"

namespace morvanta {
namespace {

constexpr int ExitWriteFailed = 1;

int Report(const QString& error, const std::string& programName) {
    if (error.isEmpty()) return 0;
    std::cerr << programName << ": " << error.toStdString() << '\n';
    return ExitWriteFailed;
}

}  // namespace

TrialOverrides OverridesOf(const LessonOptions& lesson) {
    TrialOverrides overrides;
    if (lesson.a12 && lesson.a21) overrides.coefficients = OffDiagonal{*lesson.a12, *lesson.a21};
    if (lesson.start) overrides.start = Vector2{(*lesson.start)[0], (*lesson.start)[1]};
    return overrides;
}

void DrawLessonField(PlotSurface& surface, const BatchOptions& options) {
    if (options.lesson.directionField)
        DrawScenarioDirectionField(surface, ScenarioFromItem(options.scenarioItem),
                                   OverridesOf(options.lesson));
}

int WriteLessonFiles(const BatchOptions& options, const std::vector<TrialRecord>& records,
                     const std::string& programName) {
    const LessonOptions& lesson = options.lesson;
    if (lesson.timeCoursePath.empty() && lesson.timeCoursePngPath.empty()) return 0;
    const std::vector<TimeCourse> courses = TimeCoursesOf(records);
    int status = 0;
    if (lesson.timeCoursePath == "-") {
        WriteTimeCourseCsv(std::cout, courses);
        std::cout.flush();
        if (!std::cout) {
            std::cerr << programName << ": cannot write the time course to standard output\n";
            status = ExitWriteFailed;
        }
    } else if (!lesson.timeCoursePath.empty()) {
        std::ostringstream text;
        WriteTimeCourseCsv(text, courses);
        status |= Report(SaveTextFile(QString::fromStdString(lesson.timeCoursePath), text.str()),
                         programName);
    }
    if (!lesson.timeCoursePngPath.empty()) {
        PlotImage figure;
        DrawTimeCourses(figure, courses);
        status |=
            Report(SavePlotPng(QString::fromStdString(lesson.timeCoursePngPath), figure.Image()),
                   programName);
    }
    return status;
}

}  // namespace morvanta
