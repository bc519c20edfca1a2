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
    TrialTable observer([&] {
        if (options.isoclines) DrawScenarioIsoclines(plot, ScenarioFromItem(options.scenarioItem));
    });
    const BatchSettings settings(options);
    SilentOutlets outlets;
    const std::unique_ptr<ClockSource> clock =
        options.seed ? std::unique_ptr<ClockSource>(
                           std::make_unique<FixedClock>(FixedClock::ForSeed(*options.seed)))
                     : std::make_unique<SystemClock>();
    // The surface clips the empty plot's rectangle, so any size that covers it will do.
    RunTrials(settings, outlets, plot, *clock, MapWidth, MapHeight, observer);

    const std::string name = ProgramName(program);
    int status = 0;
    if (options.csvPath == "-") {
        WriteTrialsCsv(std::cout, observer.Records());
        std::cout.flush();
        if (!std::cout) {
            std::cerr << name << ": cannot write the trials to standard output\n";
            status = ExitWriteFailed;
        }
    } else if (!options.csvPath.empty()) {
        const QString error =
            SaveTrialsCsv(QString::fromStdString(options.csvPath), observer.Records());
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
