#include "ui/application.h"
#include "ui/batch_run.h"
#include "ui/command_line.h"
#include "ui/platform_choice.h"
#include "ui/tform1.h"
#include "ui/toolkit_start.h"

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
