#include <windows.h>

#include <cstdio>

#include "core/cli/command_line.h"
#include "ui/win/batch_command.h"
#include "ui/win/console_output.h"
#include "ui/win/system_time_clock.h"
#include "ui/win/window_app.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const morvanta::CommandLine command =
        morvanta::ParseCommandLine(morvanta::CommandLineArguments());
    if (command.action != morvanta::CommandLine::Action::Window) {
        morvanta::UseParentConsole();
        return morvanta::RunCommand(command, morvanta::ProgramName());
    }
    const morvanta::SystemTimeClock clock;
    return morvanta::RunWindow(instance, clock, showCommand);
}
