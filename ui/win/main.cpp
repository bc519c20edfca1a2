#include <windows.h>

#include <cstdio>

#include <optional>
#include <string>
#include <vector>

#include "core/cli/command_line.h"
#include "session/link_setup.h"
#include "ui/win/batch_command.h"
#include "ui/win/console_output.h"
#include "ui/win/system_time_clock.h"
#include "ui/win/wide_text.h"
#include "ui/win/window_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const std::vector<std::string> arguments = morvanta::CommandLineArguments();
    const morvanta::CommandLine command = morvanta::ParseCommandLine(arguments);
    // Without --batch, the options a window takes set it up, as the browser's link does.
    std::optional<morvanta::LinkSetup> setup;
    if (command.action == morvanta::CommandLine::Action::Refuse)
        setup = morvanta::ReadWindowArguments(arguments);
    if (command.action != morvanta::CommandLine::Action::Window && !setup) {
        morvanta::UseParentConsole();
        return morvanta::RunCommand(command, morvanta::ProgramName());
    }
    const morvanta::SystemTimeClock clock;
    return morvanta::RunWindow(instance, clock, showCommand, {}, setup ? &*setup : nullptr);
}
