#include "ui/win/batch_command.h"

#include <windows.h>

#include <cstdio>
#include <new>
#include <optional>
#include <sstream>

#include "core/driver/outcome_map.h"
#include "core/driver/scenario_direction_field.h"
#include "core/driver/scenario_isoclines.h"
#include "core/driver/time_course.h"
#include "core/driver/trial_table.h"
#include "session/batch_runs.h"
#include "session/png_file.h"
#include "session/png_texts.h"
#include "ui/win/gdi_plot_surface.h"
#include "ui/win/output_file.h"
#include "ui/win/system_time_clock.h"

#ifndef MORVANTA_VERSION
#error "MORVANTA_VERSION must be defined by the build"
#endif

namespace morvanta {
namespace {

constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

void Say(const std::string& program, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", program.c_str(), text.c_str());
}

std::string SavePng(const std::string& path, const RasterSurface& picture,
                    const std::vector<PngText>& texts) {
    const std::vector<std::uint8_t> png = PngBytes({picture.Bits(), MapWidth, MapHeight}, texts);
    return WriteOutputFile(path, std::string(png.begin(), png.end()));
}

int RunBatch(BatchOptions options, const std::string& program) {
    // Without --seed the first run takes the system's clock, as the window does.
    if (!options.seed) options.seed = MillisecondsOfDay(SystemTimeClock().NowUtc());
    const Scenario scenario = ScenarioFromItem(options.scenarioItem);
    const TrialOverrides overrides = OverridesOf(options.lesson);
    const OutcomeOptions& outcomes = options.outcomes;
    GdiPlotSurface plot(nullptr);  // off screen: the window's plot, pixel for pixel
    plot.SetLive(false);
    OutcomeMaps maps;
    TrialTable lastRun([&] {
        if (outcomes.outcomeMap)  // under everything else
            DrawScenarioOutcomeMap(plot, maps, scenario, overrides, outcomes.grid);
        if (options.lesson.directionField) DrawScenarioDirectionField(plot, scenario, overrides);
        if (options.isoclines) DrawScenarioIsoclines(plot, scenario, overrides);
    });
    // The tables are written as each run ends, each to its file's temporary copy.
    std::optional<OutputFile> trials, timeCourse;
    if (!options.csvPath.empty()) trials.emplace(options.csvPath);
    if (!options.lesson.timeCoursePath.empty()) timeCourse.emplace(options.lesson.timeCoursePath);
    const EndCounts counts = RunBatchRuns(
        options, plot, lastRun,
        {trials ? &trials->Stream() : nullptr, timeCourse ? &timeCourse->Stream() : nullptr});

    int status = 0;
    const auto report = [&](const std::string& error) {
        if (error.empty()) return;
        Say(program, error);
        status = ExitFailed;
    };
    if (trials) report(trials->Close());
    const std::optional<std::uint32_t> seed =
        lastRun.Records().empty() ? std::nullopt : std::optional(lastRun.Records().front().seed);
    if (!options.pngPath.empty())
        report(SavePng(options.pngPath, plot,
                       PlotPngTexts(scenario, overrides, PlotOptionsOf(options), seed)));
    if (timeCourse) report(timeCourse->Close());
    if (!options.lesson.timeCoursePngPath.empty()) {
        GdiPlotSurface figure(nullptr);
        figure.SetLive(false);
        DrawTimeCourses(figure, TimeCoursesOf(lastRun.Records()));
        report(SavePng(options.lesson.timeCoursePngPath, figure,
                       {{"Title", "Time course"}, {"Software", "Morvanta"}}));
    }
    if (!outcomes.outcomeMapPath.empty()) {
        if (const OutcomeMap* map = ScenarioOutcomeMap(maps, scenario, overrides, outcomes.grid)) {
            std::ostringstream text;
            WriteOutcomeMapCsv(text, *map);
            report(WriteOutputFile(outcomes.outcomeMapPath, text.str()));
        }
    }
    if (!outcomes.summaryPath.empty()) {
        std::ostringstream summary;
        WriteSummaryCsv(summary, counts);
        report(WriteOutputFile(outcomes.summaryPath, summary.str()));
    }
    return status;
}

int WriteOut(const std::string& program, const std::string& text) {
    const std::string error = WriteOutputFile("-", text);
    if (error.empty()) return 0;
    Say(program, error);
    return ExitFailed;
}

}  // namespace

int RunCommand(const CommandLine& command, const std::string& program) {
    switch (command.action) {
        case CommandLine::Action::Help:
            return WriteOut(program, UsageText(program));
        case CommandLine::Action::Version:
            return WriteOut(program, program + ' ' + MORVANTA_VERSION + '\n');
        case CommandLine::Action::Refuse:
            std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", program.c_str(),
                         command.error.c_str(), program.c_str());
            return ExitUsage;
        case CommandLine::Action::Batch:
            try {
                return RunBatch(command.batch, program);
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
