#include "core/cli/lesson_options.h"

#include "core/cli/option_values.h"

namespace morvanta {
namespace {

// The limits of what a teacher may choose: each coefficient 0 to 3, each start density above
// 0 (a species at 0 never grows) and at most 1.
constexpr double LeastCoefficient = 0.0;
constexpr double GreatestCoefficient = 3.0;
constexpr double GreatestStart = 1.0;

std::optional<double> Coefficient(std::string_view text) {
    const auto value = NumberOf<double>(text);
    if (!value || !(*value >= LeastCoefficient && *value <= GreatestCoefficient))
        return std::nullopt;
    return value;
}

std::optional<double> StartDensity(std::string_view text) {
    const auto value = NumberOf<double>(text);
    if (!value || !(*value > 0.0 && *value <= GreatestStart)) return std::nullopt;
    return value;
}

std::optional<std::array<double, 2>> Start(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto n1 = StartDensity(text.substr(0, comma));
    const auto n2 = StartDensity(text.substr(comma + 1));
    if (!n1 || !n2) return std::nullopt;
    return std::array<double, 2>{*n1, *n2};
}

}  // namespace

bool IsLessonFlag(std::string_view name) { return name == "direction-field"; }

bool TakesLessonValue(std::string_view name) {
    return name == "a12" || name == "a21" || name == "start" || name == "time-course" ||
           name == "time-course-png";
}

std::string ApplyLessonFlag(std::string_view name, LessonOptions& lesson) {
    if (name == "direction-field") lesson.directionField = true;
    return {};
}

std::string ApplyLessonValue(std::string_view name, const std::string& value,
                             LessonOptions& lesson) {
    const std::string quoted = "'" + value + "'";
    if (name == "a12" || name == "a21") {
        const auto coefficient = Coefficient(value);
        if (!coefficient)
            return "invalid coefficient " + quoted + " for --" + std::string(name) +
                   " (a number from 0 to 3)";
        (name == "a12" ? lesson.a12 : lesson.a21) = *coefficient;
    } else if (name == "start") {
        const auto start = Start(value);
        if (!start)
            return "invalid start " + quoted + " (two densities N1,N2, each above 0 and at most 1)";
        lesson.start = *start;
    } else if (value.empty()) {
        return "option '--" + std::string(name) + "' needs a file name";
    } else if (name == "time-course") {
        lesson.timeCoursePath = value;
    } else {
        lesson.timeCoursePngPath = value;
    }
    return {};
}

std::string CheckLessonOptions(const LessonOptions& lesson, int scenarioItem,
                               const std::string& csvPath) {
    if (lesson.a12.has_value() != lesson.a21.has_value())
        return "--a12 and --a21 go together: give both or neither";
    if (lesson.a12 && scenarioItem == StartPointItem)
        return "--a12 and --a21 need a scenario with fixed coefficients (1, 2 or 3): "
               "start-point draws its own every trial";
    if (lesson.start && scenarioItem == StartPointItem)
        return "--start needs a scenario with a random start (1, 2 or 3): start-point always "
               "starts at 0.5,0.5";
    if (lesson.timeCoursePath == "-" && csvPath == "-")
        return "--csv and --time-course cannot both write to standard output";
    return {};
}

std::string LessonUsageText() {
    return "  --a12=X --a21=Y      own coefficients A[1][2] and A[2][1], each 0 to 3, both\n"
           "                       or neither; scenarios 1 to 3 only\n"
           "  --start=N1,N2        both start densities of every trial, each above 0 and\n"
           "                       at most 1; scenarios 1 to 3 only\n"
           "  --direction-field    draw the one-step change as arrows on the plot\n"
           "  --time-course=FILE   write every step of every trial as CSV to FILE\n"
           "                       (trial,step,n1,n2; '-': standard output)\n"
           "  --time-course-png=FILE  write the densities against the step to FILE as PNG\n";
}

}  // namespace morvanta
