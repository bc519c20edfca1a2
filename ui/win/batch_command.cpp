#include "ui/win/batch_command.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <cstdio>
#include <new>
#include <sstream>

#include "core/driver/run_driver.h"
#include "core/driver/scenario_isoclines.h"
#include "core/driver/trial_table.h"
#include "core/system_clock.h"
#include "ui/win/gdi_plot_surface.h"
#include "ui/win/wide_text.h"

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

std::string SystemMessage(DWORD error) {
    wchar_t* text = nullptr;
    FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = text ? text : L"unknown error";
    LocalFree(text);
    while (!message.empty() &&
           (message.back() == L'\n' || message.back() == L'\r' || message.back() == L'.'))
        message.pop_back();
    return ToUtf8(message);
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
    const SystemClock systemClock;
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

std::string WriteOutputFile(const std::string& path, const std::string& bytes) {
    if (path == "-") {
        // The same bytes as everywhere: no carriage returns added.
        _setmode(_fileno(stdout), _O_BINARY);
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size() &&
                             std::fflush(stdout) == 0;
        return written ? std::string{} : "cannot write to the standard output";
    }
    const std::wstring name = ToUtf16(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    const bool regular = attributes == INVALID_FILE_ATTRIBUTES ||
                         (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
    const std::wstring target = regular ? name + L".morvanta-part" : name;
    FILE* file = _wfopen(target.c_str(), L"wb");
    if (!file) return "cannot write '" + path + "': " + SystemMessage(GetLastError());
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fclose(file) == 0 && written;
    if (written && regular)
        written = MoveFileExW(target.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    if (written) return {};
    const std::string reason = SystemMessage(GetLastError());
    if (regular) DeleteFileW(target.c_str());
    return "cannot write '" + path + "': " + reason;
}

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
