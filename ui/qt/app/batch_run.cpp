#include "ui/qt/app/batch_run.h"

#include <QFontInfo>
#include <QImage>
#include <csignal>
#include <cstdio>
#include <memory>
#include <new>

#include "core/driver/run_driver.h"
#include "core/driver/scenario_isoclines.h"
#include "core/driver/trial_table.h"
#include "core/system_clock.h"
#include "plot/phase_plot.h"
#include "ui/qt/app/application.h"
#include "ui/qt/app/export_files.h"
#include "ui/qt/app/lesson_batch.h"
#include "ui/qt/app/outcome_batch.h"
#include "ui/qt/app/output_file.h"
#include "ui/qt/app/toolkit_start.h"
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

class BatchSettings : public RunSettings {
public:
    explicit BatchSettings(const BatchOptions& options) : options_(options) {}
    int TrialsChoice() const override { return options_.trialsItem; }
    int ScenarioChoice() const override { return options_.scenarioItem; }
    bool OutcomeShapes() const override { return options_.outcomeShapes; }
    TrialOverrides Overrides() const override { return OverridesOf(options_.lesson); }

private:
    const BatchOptions& options_;
};

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
    TrialTable observer([&] {
        DrawOutcomeField(plot, options, maps);  // under everything else
        DrawLessonField(plot, options);
        if (options.isoclines)
            DrawScenarioIsoclines(plot, ScenarioFromItem(options.scenarioItem),
                                  OverridesOf(options.lesson));
    });
    const BatchSettings settings(options);
    SilentOutlets outlets;
    // Every run but the last only counts; the last is drawn, as the window would show it.
    const std::uint32_t firstSeed = FirstSeed(options);
    std::vector<TrialRecord> records = RunEarlierRuns(options, settings, firstSeed);
    const FixedClock clock = FixedClock::ForSeed(SeedOfRun(firstSeed, options.outcomes.runs - 1));
    // The surface clips the empty plot's rectangle, so any size that covers it will do.
    RunTrials(settings, outlets, plot, clock, MapWidth, MapHeight, observer);
    records.insert(records.end(), observer.Records().begin(), observer.Records().end());

    int status = 0;
    const auto report = [&](const std::string& error) {
        if (error.empty()) return;
        Say(name, error);
        status = ExitFailed;
    };
    if (!options.csvPath.empty()) report(SaveTrialsCsv(options.csvPath, records));
    if (!options.pngPath.empty()) report(SavePlotPng(options.pngPath, plot.Image()));
    for (const std::string& error : WriteLessonFiles(options, records)) report(error);
    for (const std::string& error : WriteOutcomeFiles(options, records, maps)) report(error);
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
