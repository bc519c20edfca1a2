#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/cli/lesson_options.h"
#include "core/cli/outcome_options.h"

namespace morvanta {

// What a batch run does: one run of the window's kind, written to files instead of shown.
struct BatchOptions {
    int scenarioItem = 0;               // the "Fixed" item: "Start Point"
    int trialsItem = 1;                 // the "Trials" item: 10
    std::optional<std::uint32_t> seed;  // milliseconds since UTC midnight; none: the clock
    std::string csvPath;                // "-" is standard output; empty: no table
    std::string pngPath;                // empty: no picture
    bool isoclines = false;
    bool outcomeShapes = false;  // extinct trials end in a cross
    LessonOptions lesson;
    OutcomeOptions outcomes;
};

// What the command line asks for. No arguments open the window.
struct CommandLine {
    enum class Action { Window, Help, Version, Batch, Refuse };
    Action action = Action::Window;
    BatchOptions batch;
    std::string error;  // why the command line was refused
};

// The largest seed: the last millisecond of a day.
inline constexpr std::uint32_t LastSeed = 86'399'999;

// Reads the program's own options, GNU style (--name=value or --name value). Every other
// argument, the toolkit's single-dash options included, is refused.
CommandLine ParseCommandLine(const std::vector<std::string>& arguments);
CommandLine ParseCommandLine(int argc, const char* const* argv);

// The text of --help.
std::string UsageText(const std::string& program);

}  // namespace morvanta
