#include "core/cli/command_line.h"
#include "ui/app/application.h"
#include "ui/app/batch_run.h"
#include "ui/app/platform_choice.h"
#include "ui/app/toolkit_start.h"
#include "ui/window/tform1.h"

int main(int argc, char** argv) {
    const morvanta::CommandLine command = morvanta::ParseCommandLine(argc, argv);
    if (command.action != morvanta::CommandLine::Action::Window)
        return morvanta::RunCommand(command, argv[0]);
    morvanta::ToolkitArguments toolkit(argv[0]);
    morvanta::PrepareToolkitEnvironment();
    morvanta::WatchToolkitStart();
    morvanta::Application application(toolkit.argc, toolkit.argv);
    if (!morvanta::ToolkitStartedOnUsableScreen()) return 1;
    morvanta::TForm1 Form1;
    Form1.show();
    return application.exec();
}
