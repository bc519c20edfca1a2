#include "ui/app/batch_run.h"

#include <QImage>
#include <iostream>
#include <memory>

#include "core/driver/run_driver.h"
#include "core/driver/scenario_isoclines.h"
#include "core/driver/trial_table.h"
#include "core/system_clock.h"
#include "ui/app/application.h"
#include "ui/app/export_files.h"
#include "ui/app/lesson_batch.h"
#include "ui/app/outcome_batch.h"
#include "ui/widgets/plot_image.h"

#ifndef MORVANTA_VERSION
#error "MORVANTA_VERSION must be defined by the build"
#endif

namespace morvanta {
namespace {

constexpr int ExitWriteFailed = 1;
constexpr int ExitUsage = 2;

std::string ProgramName(const char* program) {
    const std::string path = program ? program : "morvanta";
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
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

int RunBatch(const BatchOptions& options, char* program) {
    // A batch run shows nothing, so it needs no display: the toolkit renders the plot's text
    // off screen, with the same fonts as the window.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ToolkitArguments toolkit(program);
    Application application(toolkit.argc, toolkit.argv);

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

    const std::string name = ProgramName(program);
    int status = 0;
    if (options.csvPath == "-") {
        WriteTrialsCsv(std::cout, records);
        std::cout.flush();
        if (!std::cout) {
            std::cerr << name << ": cannot write the trials to standard output\n";
            status = ExitWriteFailed;
        }
    } else if (!options.csvPath.empty()) {
        const QString error = SaveTrialsCsv(QString::fromStdString(options.csvPath), records);
        if (!error.isEmpty()) {
            std::cerr << name << ": " << error.toStdString() << '\n';
            status = ExitWriteFailed;
        }
    }
    if (!options.pngPath.empty()) {
        const QString error = SavePlotPng(QString::fromStdString(options.pngPath), plot.Image());
        if (!error.isEmpty()) {
            std::cerr << name << ": " << error.toStdString() << '\n';
            status = ExitWriteFailed;
        }
    }
    status |= WriteLessonFiles(options, records, name);
    status |= WriteOutcomeFiles(options, records, maps, name);
    return status;
}

}  // namespace

int RunCommand(const CommandLine& command, char* program) {
    const std::string name = ProgramName(program);
    switch (command.action) {
        case CommandLine::Action::Help:
            std::cout << UsageText(name);
            return 0;
        case CommandLine::Action::Version:
            std::cout << name << ' ' << MORVANTA_VERSION << '\n';
            return 0;
        case CommandLine::Action::Refuse:
            std::cerr << name << ": " << command.error << "\nTry '" << name
                      << " --help' for more information.\n";
            return ExitUsage;
        case CommandLine::Action::Batch:
            return RunBatch(command.batch, program);
        case CommandLine::Action::Window:
            break;
    }
    return 0;
}

}  // namespace morvanta
