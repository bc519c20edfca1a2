#include "core/cli/command_line.h"

#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/cli/option_values.h"

namespace morvanta {
namespace {

using Action = CommandLine::Action;

CommandLine Refuse(std::string error) {
    CommandLine refused;
    refused.action = Action::Refuse;
    refused.error = std::move(error);
    return refused;
}

constexpr std::array<std::string_view, 4> ScenarioNames{"start-point", "comp-severe", "comp-mild",
                                                        "reversed"};
constexpr std::array<std::string_view, 4> TrialCounts{"1", "10", "50", "100"};

std::optional<int> IndexOf(std::string_view value, auto names) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (value == names[i]) return static_cast<int>(i);
    return std::nullopt;
}

std::optional<int> ScenarioItem(std::string_view value) {
    if (auto byName = IndexOf(value, ScenarioNames)) return byName;
    if (value.size() == 1 && value[0] >= '0' && value[0] <= '3') return value[0] - '0';
    return std::nullopt;
}

std::optional<std::uint32_t> Seed(std::string_view value) {
    const std::optional<std::uint32_t> seed = NumberOf<std::uint32_t>(value);
    if (!seed || *seed > LastSeed) return std::nullopt;
    return seed;
}

// Applies one batch option's value; an empty string when it is fine, else why not.
std::string ApplyValue(std::string_view name, const std::string& value, BatchOptions& batch) {
    const std::string quoted = "'" + value + "'";
    if (name == "scenario") {
        const auto item = ScenarioItem(value);
        if (!item)
            return "invalid scenario " + quoted +
                   " (start-point, comp-severe, comp-mild, reversed or 0 to 3)";
        batch.scenarioItem = *item;
    } else if (name == "trials") {
        const auto item = IndexOf(value, TrialCounts);
        if (!item) return "invalid number of trials " + quoted + " (1, 10, 50 or 100)";
        batch.trialsItem = *item;
    } else if (name == "seed") {
        const auto seed = Seed(value);
        if (!seed) return "invalid seed " + quoted + " (0 to 86399999)";
        batch.seed = *seed;
    } else if (value.empty()) {
        return "option '--" + std::string(name) + "' needs a file name";
    } else if (name == "csv") {
        batch.csvPath = value;
    } else {
        batch.pngPath = value;
    }
    return {};
}

bool TakesValue(std::string_view name) {
    return name == "scenario" || name == "trials" || name == "seed" || name == "csv" ||
           name == "png";
}

// Whether the two outputs are one file: the same name, two spellings of it ("-" is the
// standard output), or two names of one file that exists.
bool SameOutput(const std::string& first, const std::string& second) {
    namespace fs = std::filesystem;
    // Names are UTF-8 on every system; Windows has no file name for the standard output, so
    // there "-" names only itself.
    const auto spelled = [](const std::string& path) {
#ifdef _WIN32
        return fs::path(std::u8string(path.begin(), path.end()));
#else
        return fs::path(path == "-" ? "/dev/stdout" : path);
#endif
    };
    const fs::path a = spelled(first);
    const fs::path b = spelled(second);
    std::error_code error;
    if (a == b || fs::equivalent(a, b, error)) return true;
    const auto canonical = [&error](const fs::path& path) {
        return fs::weakly_canonical(fs::absolute(path, error), error);
    };
    const fs::path canonicalA = canonical(a);
    if (error) return false;
    const fs::path canonicalB = canonical(b);
    return !error && canonicalA == canonicalB;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine command;
    bool batch = false;
    bool batchOptionSeen = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.size() < 3 || argument.compare(0, 2, "--") != 0) {
            return Refuse(argument.starts_with("-") ? "unrecognized option '" + argument + "'"
                                                    : "unexpected argument '" + argument + "'");
        }
        const std::string_view body = std::string_view(argument).substr(2);
        const std::size_t equals = body.find('=');
        const std::string_view name = body.substr(0, equals);
        const bool inlineValue = equals != std::string_view::npos;

        if (name == "help" || name == "version" || name == "batch" || name == "isoclines" ||
            name == "shapes") {
            if (inlineValue)
                return Refuse("option '--" + std::string(name) + "' doesn't allow an argument");
            if (name == "help") command.action = Action::Help;
            if (name == "version") command.action = Action::Version;
            if (name == "help" || name == "version") return command;
            if (name == "batch") batch = true;
            if (name == "isoclines") {
                command.batch.isoclines = true;
                batchOptionSeen = true;
            }
            if (name == "shapes") {
                command.batch.outcomeShapes = true;
                batchOptionSeen = true;
            }
            continue;
        }
        if (IsLessonFlag(name) || IsOutcomeFlag(name)) {
            if (inlineValue)
                return Refuse("option '--" + std::string(name) + "' doesn't allow an argument");
            const std::string error = IsLessonFlag(name)
                                          ? ApplyLessonFlag(name, command.batch.lesson)
                                          : ApplyOutcomeFlag(name, command.batch.outcomes);
            if (!error.empty()) return Refuse(error);
            batchOptionSeen = true;
            continue;
        }
        const bool lessonValue = TakesLessonValue(name);
        const bool outcomeValue = TakesOutcomeValue(name);
        if (!TakesValue(name) && !lessonValue && !outcomeValue)
            return Refuse("unrecognized option '" + argument + "'");

        std::string value;
        if (inlineValue) {
            value = std::string(body.substr(equals + 1));
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            return Refuse("option '--" + std::string(name) + "' requires an argument");
        }
        const std::string error = lessonValue ? ApplyLessonValue(name, value, command.batch.lesson)
                                  : outcomeValue
                                      ? ApplyOutcomeValue(name, value, command.batch.outcomes)
                                      : ApplyValue(name, value, command.batch);
        if (!error.empty()) return Refuse(error);
        batchOptionSeen = true;
    }
    if (batchOptionSeen && !batch) return Refuse("these options need --batch");
    if (const std::string error = CheckLessonOptions(
            command.batch.lesson, command.batch.scenarioItem, command.batch.csvPath);
        !error.empty())
        return Refuse(error);
    if (const std::string error =
            CheckOutcomeOptions(command.batch.outcomes, command.batch.lesson,
                                command.batch.scenarioItem, command.batch.csvPath);
        !error.empty())
        return Refuse(error);
    // Two outputs into one file would leave only the one written last.
    const BatchOptions& b = command.batch;
    const std::pair<const char*, const std::string*> outputs[] = {
        {"--csv", &b.csvPath},
        {"--png", &b.pngPath},
        {"--time-course", &b.lesson.timeCoursePath},
        {"--time-course-png", &b.lesson.timeCoursePngPath},
        {"--outcome-map-csv", &b.outcomes.outcomeMapPath},
        {"--summary", &b.outcomes.summaryPath}};
    for (std::size_t i = 0; i < std::size(outputs); ++i)
        for (std::size_t j = i + 1; j < std::size(outputs); ++j)
            if (!outputs[i].second->empty() && !outputs[j].second->empty() &&
                SameOutput(*outputs[i].second, *outputs[j].second))
                return Refuse(std::string(outputs[i].first) + " and " + outputs[j].first +
                              " name the same file '" + *outputs[j].second + "'");
    command.action = batch ? Action::Batch : Action::Window;
    return command;
}

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i]);
    return ParseCommandLine(arguments);
}

std::string UsageText(const std::string& program) {
    return "Usage: " + program + " [OPTION]...\n" + "  or:  " + program +
           " --batch [OPTION]...\n"
           "Two-species competition in the phase plane. Without --batch, opens the window, set\n"
           "up by the options a window takes (--scenario, --trials, --seed, --a12, --a21,\n"
           "--start, --isoclines, --shapes, --outcome-map, --direction-field) and by two of\n"
           "its own: --zoom=F, the window and its plot F times as large (1 to 3), and\n"
           "--pace=N, a run at N steps a second (2000 or 200 in the menu; 'full', the\n"
           "default, as fast as it goes). Its log names each option it leaves out.\n"
           "\n"
           "  --batch              run once without a window and exit\n"
           "  --scenario=NAME      start-point, comp-severe, comp-mild, reversed, or 0 to 3\n"
           "                       (default start-point)\n"
           "  --trials=N           1, 10, 50 or 100 (default 10)\n"
           "  --seed=MS            the clock reading the run is seeded from, milliseconds\n"
           "                       since UTC midnight, 0 to 86399999 (default: now)\n"
           "  --csv=FILE           write the trials as CSV to FILE ('-': standard output)\n"
           "  --png=FILE           write the 400x400 plot after the run to FILE as PNG\n"
           "                       ('-': standard output)\n"
           "  --isoclines          draw the isoclines and equilibria on the plot\n"
           "  --shapes             end each trial in which a species died out in a cross\n" +
           LessonUsageText() + OutcomeUsageText() +
           "  --help               show this help and exit\n"
           "  --version            show the version and exit\n"
           "\n"
           "A regular FILE is replaced only once all of it is written; anything else FILE\n"
           "names (a pipe, a device, a name under /dev or /proc) is written in place, and\n"
           "a pipe is waited on until something reads it.\n"
           "\n"
           "Exit status: 0 if all went well, 1 if a file or the output could not be\n"
           "written (or the program could not start), 2 if the command line was not\n"
           "understood.\n";
}

}  // namespace morvanta
