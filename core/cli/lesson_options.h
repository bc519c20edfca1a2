#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace morvanta {

// The batch options for a lesson: own coefficients, a fixed start, the time course and the
// direction field. None of them is on unless given.
struct LessonOptions {
    std::optional<double> a12;  // with a21: instead of the scenario's own
    std::optional<double> a21;
    std::optional<std::array<double, 2>> start;  // both start densities of every trial
    std::string timeCoursePath;                  // "-" is standard output; empty: none
    std::string timeCoursePngPath;               // empty: no picture
    bool directionField = false;
};

// Whether the option (its name without the dashes) is a lesson option without a value.
bool IsLessonFlag(std::string_view name);
// Whether the option is a lesson option with a value.
bool TakesLessonValue(std::string_view name);

// Each applies one option; an empty string when it is fine, else why not.
std::string ApplyLessonFlag(std::string_view name, LessonOptions& lesson);
std::string ApplyLessonValue(std::string_view name, const std::string& value,
                             LessonOptions& lesson);

// Once the whole command line is read: what the options need of each other and of the
// scenario ("Fixed" item). An empty string when it is fine, else why not.
std::string CheckLessonOptions(const LessonOptions& lesson, int scenarioItem,
                               const std::string& csvPath);

// The lines of --help for these options.
std::string LessonUsageText();

}  // namespace morvanta
