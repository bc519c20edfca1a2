#include "core/cli/command_line.h"
#include "ui/win/batch_command.h"
#include "ui/win/console_output.h"

// The console companion of the window: the same command line, for scripts and terminals,
// which wait for it and see its output; without options it opens the window's help.
int wmain() {
    const morvanta::CommandLine command =
        morvanta::ParseCommandLine(morvanta::CommandLineArguments());
    if (command.action == morvanta::CommandLine::Action::Window) {
        morvanta::CommandLine help;
        help.action = morvanta::CommandLine::Action::Help;
        return morvanta::RunCommand(help, morvanta::ProgramName());
    }
    return morvanta::RunCommand(command, morvanta::ProgramName());
}
