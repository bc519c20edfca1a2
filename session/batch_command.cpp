#include "session/batch_command.h"

#include <cstdio>
#include <new>
#include <optional>
#include <sstream>

#include "core/driver/outcome_map.h"
#include "core/driver/scenario_direction_field.h"
#include "core/driver/scenario_isoclines.h"
#include "session/batch_runs.h"
#include "session/png_texts.h"

namespace morvanta {
namespace {

constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

void Say(const std::string& program, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", program.c_str(), text.c_str());
}

int RunBatch(BatchOptions options, const std::string& program, BatchPlatform& platform) {
    PlotSurface& plot = platform.StartBatch(options);
    if (!options.seed) options.seed = platform.SeedNow();
    const Scenario scenario = ScenarioFromItem(options.scenarioItem);
    const TrialOverrides overrides = OverridesOf(options.lesson);
    const OutcomeOptions& outcomes = options.outcomes;
    OutcomeMaps maps;
    TrialTable lastRun([&] {
        if (outcomes.outcomeMap)  // under everything else
            DrawScenarioOutcomeMap(plot, maps, scenario, overrides, outcomes.grid);
        if (options.lesson.directionField) DrawScenarioDirectionField(plot, scenario, overrides);
        if (options.isoclines) DrawScenarioIsoclines(plot, scenario, overrides);
    });
    // The tables are written as each run ends, each to its file's temporary copy; only the
    // last run is kept, to be drawn.
    std::unique_ptr<OutputFile> trials, timeCourse;
    if (!options.csvPath.empty()) trials = platform.OpenFile(options.csvPath);
    if (!options.lesson.timeCoursePath.empty())
        timeCourse = platform.OpenFile(options.lesson.timeCoursePath);
    const EndCounts counts = RunBatchRuns(
        options, plot, lastRun,
        {trials ? &trials->Stream() : nullptr, timeCourse ? &timeCourse->Stream() : nullptr},
        [&platform](long runs) { platform.RunsDone(runs); });

    int status = 0;
    const auto report = [&](const std::string& error) {
        if (error.empty()) return;
        Say(program, error);
        status = ExitFailed;
    };
    if (trials) report(trials->Close());
    if (!options.pngPath.empty()) {
        const std::optional<std::uint32_t> seed =
            lastRun.Records().empty() ? std::nullopt
                                      : std::optional(lastRun.Records().front().seed);
        report(platform.SavePlotPng(
            options.pngPath, PlotPngTexts(scenario, overrides, PlotOptionsOf(options), seed)));
    }
    if (timeCourse) report(timeCourse->Close());
    if (!options.lesson.timeCoursePngPath.empty())
        report(platform.SaveTimeCoursePng(options.lesson.timeCoursePngPath, lastRun.Records()));
    if (!outcomes.outcomeMapPath.empty()) {
        if (const OutcomeMap* map = ScenarioOutcomeMap(maps, scenario, overrides, outcomes.grid)) {
            std::ostringstream text;
            WriteOutcomeMapCsv(text, *map);
            report(platform.WriteFile(outcomes.outcomeMapPath, text.str()));
        }
    }
    if (!outcomes.summaryPath.empty()) {
        std::ostringstream summary;
        WriteSummaryCsv(summary, counts);
        report(platform.WriteFile(outcomes.summaryPath, summary.str()));
    }
    return status;
}

int WriteOut(const std::string& program, const std::string& text, BatchPlatform& platform) {
    const std::string error = platform.WriteFile("-", text);
    if (error.empty()) return 0;
    Say(program, error);
    return ExitFailed;
}

}  // namespace

int RunCommand(const CommandLine& command, const std::string& program, const std::string& version,
               BatchPlatform& platform) {
    switch (command.action) {
        case CommandLine::Action::Help:
            return WriteOut(program, UsageText(program), platform);
        case CommandLine::Action::Version:
            return WriteOut(program, program + ' ' + version + '\n', platform);
        case CommandLine::Action::Refuse:
            std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", program.c_str(),
                         command.error.c_str(), program.c_str());
            return ExitUsage;
        case CommandLine::Action::Batch:
            try {
                return RunBatch(command.batch, program, platform);
            } catch (const std::bad_alloc&) {
                Say(program, "out of memory");
            } catch (const std::exception& error) {
                Say(program, error.what());
            }
            return ExitFailed;
        case CommandLine::Action::Window:
            break;
    }
    return 0;
}

}  // namespace morvanta
