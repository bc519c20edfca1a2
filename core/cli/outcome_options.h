#pragma once

#include <string>
#include <string_view>

#include "core/cli/lesson_options.h"

namespace morvanta {

// The batch options that count outcomes: the outcome map of a grid of starts, and the shares
// of the four outcomes over many runs. None of them is on unless given.
struct OutcomeOptions {
    bool outcomeMap = false;     // shade the plot by where each start leads
    int grid = 200;              // the map's grid is grid x grid starts, the window's by default
    std::string outcomeMapPath;  // the map as CSV; "-" is standard output; empty: none
    long runs = 1;               // runs, each seeded from MS and its number
    std::string summaryPath;     // the shares as CSV; "-" is standard output; empty: none
};

// Whether the option (its name without the dashes) is one of these without a value.
bool IsOutcomeFlag(std::string_view name);
// Whether the option is one of these with a value.
bool TakesOutcomeValue(std::string_view name);

// Each applies one option; an empty string when it is fine, else why not.
std::string ApplyOutcomeFlag(std::string_view name, OutcomeOptions& outcomes);
std::string ApplyOutcomeValue(std::string_view name, const std::string& value,
                              OutcomeOptions& outcomes);

// Once the whole command line is read: what the options need of the scenario ("Fixed" item),
// and that at most one table goes to standard output. An empty string when it is fine.
std::string CheckOutcomeOptions(const OutcomeOptions& outcomes, const LessonOptions& lesson,
                                int scenarioItem, const std::string& csvPath);

// The lines of --help for these options.
std::string OutcomeUsageText();

}  // namespace morvanta
