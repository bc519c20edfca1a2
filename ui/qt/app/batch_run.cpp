#include "ui/qt/app/batch_run.h"

#include <QFontInfo>
#include <QImage>
#include <csignal>
#include <cstdio>
#include <memory>
#include <new>
#include <optional>
#include <sstream>

#include "core/driver/scenario_isoclines.h"
#include "core/driver/trial_table.h"
#include "core/system_clock.h"
#include "plot/phase_plot.h"
#include "session/batch_runs.h"
#include "session/png_texts.h"
#include "ui/qt/app/application.h"
#include "ui/qt/app/lesson_batch.h"
#include "ui/qt/app/outcome_batch.h"
#include "ui/qt/app/toolkit_start.h"
#include "ui/qt/files/export_files.h"
#include "ui/qt/files/output_file.h"
#include "ui/qt/widgets/fonts.h"
#include "ui/qt/widgets/plot_image.h"

#ifndef MORVANTA_VERSION
#error "MORVANTA_VERSION must be defined by the build"
#endif

namespace morvanta {
namespace {

constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

std::string ProgramName(const char* program) {
    const std::string path = program ? program : "morvanta";
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void Say(const std::string& name, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", name.c_str(), text.c_str());
}

// Where no font can be found the plot's labels come out as boxes.
void WarnWithoutFonts(const std::string& name) {
    QFont label = InstalledFont(QString::fromLatin1(LabelFace));
    label.setPointSize(LabelPoints);
    if (QFontInfo(label).pixelSize() > 0) return;
    Say(name, "no font found; the plot's labels are drawn as boxes");
}

int RunBatch(const BatchOptions& options, char* program) {
    const std::string name = ProgramName(program);
    // A batch run shows nothing, so it needs no display: the toolkit renders the plot's text
    // off screen, with the same fonts as the window. What the toolkit has to say about its
    // surroundings (a missing runtime folder, say) is no concern of a batch run's.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QuietToolkitForBatch();
    ToolkitArguments toolkit(program);
    Application application(toolkit.argc, toolkit.argv);
    WarnWithoutFonts(name);

    PlotImage plot;  // the window's plot surface without the window: the same pixels
    OutcomeMaps maps;
    TrialTable lastRun([&] {
        DrawOutcomeField(plot, options, maps);  // under everything else
        DrawLessonField(plot, options);
        if (options.isoclines)
            DrawScenarioIsoclines(plot, ScenarioFromItem(options.scenarioItem),
                                  OverridesOf(options.lesson));
    });
    // The tables are written as each run ends, each to its file's temporary copy; only the
    // last run is kept, to be drawn.
    std::optional<OutputFile> trials, timeCourse;
    if (!options.csvPath.empty()) trials.emplace(options.csvPath);
    if (!options.lesson.timeCoursePath.empty()) timeCourse.emplace(options.lesson.timeCoursePath);
    Progress progress(options.outcomes.runs);
    const EndCounts counts = RunBatchRuns(
        options, plot, lastRun,
        {trials ? &trials->Stream() : nullptr, timeCourse ? &timeCourse->Stream() : nullptr},
        [&progress](long runs) { progress.Done(runs); });

    int status = 0;
    const auto report = [&](const std::string& error) {
        if (error.empty()) return;
        Say(name, error);
        status = ExitFailed;
    };
    if (trials) report(trials->Close());
    if (!options.pngPath.empty()) {
        const std::optional<std::uint32_t> seed =
            lastRun.Records().empty() ? std::nullopt
                                      : std::optional(lastRun.Records().front().seed);
        report(
            SavePlotPng(options.pngPath, plot.Image(),
                        PlotPngTexts(ScenarioFromItem(options.scenarioItem),
                                     OverridesOf(options.lesson), PlotOptionsOf(options), seed)));
    }
    if (timeCourse) report(timeCourse->Close());
    if (!options.lesson.timeCoursePngPath.empty())
        report(SaveTimeCoursePng(options.lesson.timeCoursePngPath, lastRun.Records()));
    report(SaveOutcomeMapCsv(options, maps));
    if (!options.outcomes.summaryPath.empty()) {
        std::ostringstream summary;
        WriteSummaryCsv(summary, counts);
        report(SaveTextFile(options.outcomes.summaryPath, summary.str()));
    }
    return status;
}

int WriteOut(const std::string& name, const std::string& text) {
    const std::string error = WriteOutputFile("-", text);
    if (error.empty()) return 0;
    Say(name, error);
    return ExitFailed;
}

}  // namespace

int RunCommand(const CommandLine& command, char* program) {
    const std::string name = ProgramName(program);
    // A reader that goes away, or the file size limit, fails the write instead of ending
    // the program without a word.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    switch (command.action) {
        case CommandLine::Action::Help:
            return WriteOut(name, UsageText(name));
        case CommandLine::Action::Version:
            return WriteOut(name, name + ' ' + MORVANTA_VERSION + '\n');
        case CommandLine::Action::Refuse:
            std::fprintf(stderr, "%s: %s\nTry '%s --help' for more information.\n", name.c_str(),
                         command.error.c_str(), name.c_str());
            return ExitUsage;
        case CommandLine::Action::Batch:
            try {
                return RunBatch(command.batch, program);
            } catch (const std::bad_alloc&) {
                Say(name, "out of memory");
            } catch (const std::exception& error) {
                Say(name, error.what());
            }
            return ExitFailed;
        case CommandLine::Action::Window:
            break;
    }
    return 0;
}

}  // namespace morvanta
