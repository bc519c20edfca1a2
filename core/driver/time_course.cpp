#include "core/driver/time_course.h"

#include "plot/time_course_plot.h"

namespace morvanta {

TimeCourse TimeCourseOf(const TrialRecord& record) {
    ModelState model;
    InitRunParameters(model);
    model.A = {Vector2{DiagonalCoefficient, record.a12}, Vector2{record.a21, DiagonalCoefficient}};
    model.N = record.start;
    TimeCourse course{record.trial, {}};
    course.densities.reserve(static_cast<std::size_t>(record.steps) + 1);
    course.densities.push_back(model.N);
    for (int step = 0; step < record.steps; ++step) {
        Step(model, record.scenario);
        course.densities.push_back(model.N);
    }
    return course;
}

std::vector<TimeCourse> TimeCoursesOf(const std::vector<TrialRecord>& records) {
    std::vector<TimeCourse> courses;
    courses.reserve(records.size());
    for (const TrialRecord& record : records) courses.push_back(TimeCourseOf(record));
    return courses;
}

void WriteTimeCourseCsv(std::ostream& out, const std::vector<TimeCourse>& courses) {
    WriteTimeCourseCsvHeader(out);
    for (const TimeCourse& course : courses) WriteTimeCourseCsvRows(out, course);
}

void WriteTimeCourseCsvHeader(std::ostream& out) { out << "trial,step,n1,n2\n"; }

void WriteTimeCourseCsvRows(std::ostream& out, const TimeCourse& course) {
    for (std::size_t step = 0; step < course.densities.size(); ++step) {
        const Vector2& n = course.densities[step];
        out << course.trial << ',' << step << ',' << ShortestText(n[0]) << ',' << ShortestText(n[1])
            << '\n';
    }
}

void DrawTimeCourses(PlotSurface& surface, const std::vector<TimeCourse>& courses) {
    std::vector<DensitySeries> trials;
    trials.reserve(courses.size());
    for (const TimeCourse& course : courses) trials.emplace_back(course.densities);
    DrawTimeCourse(surface, trials);
}

}  // namespace morvanta
