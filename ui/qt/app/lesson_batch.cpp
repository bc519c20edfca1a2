#include "ui/qt/app/lesson_batch.h"

#include <sstream>

#include "core/driver/scenario_direction_field.h"
#include "core/driver/time_course.h"
#include "ui/qt/app/export_files.h"
#include "ui/qt/widgets/plot_image.h"

namespace morvanta {

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

std::vector<std::string> WriteLessonFiles(const BatchOptions& options,
                                          const std::vector<TrialRecord>& records) {
    const LessonOptions& lesson = options.lesson;
    if (lesson.timeCoursePath.empty() && lesson.timeCoursePngPath.empty()) return {};
    const std::vector<TimeCourse> courses = TimeCoursesOf(records);
    std::vector<std::string> errors;
    if (!lesson.timeCoursePath.empty()) {
        std::ostringstream text;
        WriteTimeCourseCsv(text, courses);
        errors.push_back(SaveTextFile(lesson.timeCoursePath, text.str()));
    }
    if (!lesson.timeCoursePngPath.empty()) {
        PlotImage figure;
        DrawTimeCourses(figure, courses);
        errors.push_back(SavePlotPng(lesson.timeCoursePngPath, figure.Image()));
    }
    std::erase(errors, std::string());
    return errors;
}

}  // namespace morvanta
