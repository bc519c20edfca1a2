#include "ui/win/batch_command.h"

#include <windows.h>

#include <cstdio>
#include <new>
#include <sstream>

#include "core/driver/run_driver.h"
#include "core/driver/scenario_isoclines.h"
#include "core/driver/trial_table.h"
#include "core/system_clock.h"
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

class BatchSettings : public RunSettings {
public:
    explicit BatchSettings(const BatchOptions& options) : options_(options) {}
    int TrialsChoice() const override { return options_.trialsItem; }
    int ScenarioChoice() const override { return options_.scenarioItem; }
    bool OutcomeShapes() const override { return options_.outcomeShapes; }

private:
    const BatchOptions& options_;
};

// What this edition's batch mode does not write yet (the pictures, the lesson's and the
// outcomes' files): named, so that it is refused rather than left out without a word.
std::string NotYetWritten(const BatchOptions& options) {
    const LessonOptions& lesson = options.lesson;
    const OutcomeOptions& outcomes = options.outcomes;
    if (!options.pngPath.empty() || !lesson.timeCoursePngPath.empty()) return "PNG pictures";
    if (lesson.a12 || lesson.a21 || lesson.start || !lesson.timeCoursePath.empty() ||
        lesson.directionField)
        return "the lesson options";
    if (outcomes.outcomeMap || !outcomes.outcomeMapPath.empty() || outcomes.runs != 1 ||
        !outcomes.summaryPath.empty())
        return "the outcome options";
    return {};
}

int RunBatch(const BatchOptions& options, const std::string& program) {
    GdiPlotSurface plot(nullptr);  // off screen: the window's plot, pixel for pixel
    plot.SetLive(false);
    TrialTable observer([&] {
        if (options.isoclines)
            DrawScenarioIsoclines(plot, ScenarioFromItem(options.scenarioItem), TrialOverrides{});
    });
    const BatchSettings settings(options);
    SilentOutlets outlets;
    const SystemTimeClock systemClock;
    const FixedClock fixed = FixedClock::ForSeed(options.seed.value_or(0));
    const ClockSource& clock = options.seed ? static_cast<const ClockSource&>(fixed) : systemClock;
    RunTrials(settings, outlets, plot, clock, MapWidth, MapHeight, observer);

    int status = 0;
    if (!options.csvPath.empty()) {
        std::ostringstream text;
        WriteTrialsCsv(text, observer.Records());
        if (const std::string error = WriteOutputFile(options.csvPath, text.str());
            !error.empty()) {
            Say(program, error);
            status = ExitFailed;
        }
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
            if (const std::string missing = NotYetWritten(command.batch); !missing.empty()) {
                Say(program, missing + " are not in the Windows edition yet");
                return ExitUsage;
            }
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
