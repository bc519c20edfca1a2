#include "core/cli/outcome_options.h"

#include "core/cli/option_values.h"

namespace morvanta {
namespace {

constexpr int LeastGrid = 10;
constexpr int GreatestGrid = 400;
constexpr long GreatestRuns = 100'000;

bool WholeNumber(std::string_view text, long least, long greatest, long& value) {
    const std::optional<long> number = NumberOf<long>(text);
    if (!number || *number < least || *number > greatest) return false;
    value = *number;
    return true;
}

}  // namespace

bool IsOutcomeFlag(std::string_view name) { return name == "outcome-map"; }

bool TakesOutcomeValue(std::string_view name) {
    return name == "grid" || name == "outcome-map-csv" || name == "runs" || name == "summary";
}

std::string ApplyOutcomeFlag(std::string_view name, OutcomeOptions& outcomes) {
    if (name == "outcome-map") outcomes.outcomeMap = true;
    return {};
}

std::string ApplyOutcomeValue(std::string_view name, const std::string& value,
                              OutcomeOptions& outcomes) {
    const std::string quoted = "'" + value + "'";
    long number = 0;
    if (name == "grid") {
        if (!WholeNumber(value, LeastGrid, GreatestGrid, number))
            return "invalid grid " + quoted + " (a whole number from 10 to 400)";
        outcomes.grid = static_cast<int>(number);
    } else if (name == "runs") {
        if (!WholeNumber(value, 1, GreatestRuns, number))
            return "invalid number of runs " + quoted + " (a whole number from 1 to 100000)";
        outcomes.runs = number;
    } else if (value.empty()) {
        return "option '--" + std::string(name) + "' needs a file name";
    } else if (name == "outcome-map-csv") {
        outcomes.outcomeMapPath = value;
    } else {
        outcomes.summaryPath = value;
    }
    return {};
}

std::string CheckOutcomeOptions(const OutcomeOptions& outcomes, const LessonOptions& lesson,
                                int scenarioItem, const std::string& csvPath) {
    if ((outcomes.outcomeMap || !outcomes.outcomeMapPath.empty()) && scenarioItem == StartPointItem)
        return std::string(outcomes.outcomeMap ? "--outcome-map" : "--outcome-map-csv") +
               " needs a scenario with fixed coefficients (1, 2 or 3): start-point draws its "
               "own every trial";
    int toStandardOutput = 0;
    for (const std::string* path :
         {&csvPath, &lesson.timeCoursePath, &outcomes.outcomeMapPath, &outcomes.summaryPath})
        toStandardOutput += *path == "-" ? 1 : 0;
    if (toStandardOutput > 1)
        return "only one of --csv, --time-course, --outcome-map-csv and --summary can write "
               "to standard output";
    return {};
}

std::string OutcomeUsageText() {
    return "  --outcome-map        shade the plot by where a trial from each start ends\n"
           "                       (scenarios 1 to 3)\n"
           "  --grid=G             the outcome map's starts: a G x G grid, 10 to 400\n"
           "                       (default 200, as the window's)\n"
           "  --outcome-map-csv=FILE  write the outcome of every start of the grid as CSV\n"
           "                       (n1_start,n2_start,steps,outcome,extinct,result; '-':\n"
           "                       standard output)\n"
           "  --runs=R             R runs, 1 to 100000: the first seeded MS, each other from\n"
           "                       a clock reading mixed from MS and its number (the seed\n"
           "                       column gives it, so each row reproduces its run); the\n"
           "                       tables hold every run's trials, the pictures show the\n"
           "                       last run\n"
           "  --summary=FILE       write the share of each outcome over all trials, with its\n"
           "                       95% Wilson interval, as CSV ('-': standard output)\n";
}

}  // namespace morvanta
