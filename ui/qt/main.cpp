#include <optional>
#include <string>
#include <vector>

#include "core/cli/command_line.h"
#include "session/link_setup.h"
#include "ui/qt/app/application.h"
#include "ui/qt/app/batch_run.h"
#include "ui/qt/app/platform_choice.h"
#include "ui/qt/app/toolkit_start.h"
#include "ui/qt/files/output_file.h"
#include "ui/qt/window/tform1.h"

int main(int argc, char** argv) {
    morvanta::GuardStandardStreams();
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const morvanta::CommandLine command = morvanta::ParseCommandLine(arguments);
    // Without --batch, the options a window takes set it up, as the browser's link does.
    std::optional<morvanta::LinkSetup> setup;
    if (command.action == morvanta::CommandLine::Action::Refuse)
        setup = morvanta::ReadWindowArguments(arguments);
    if (command.action != morvanta::CommandLine::Action::Window && !setup)
        return morvanta::RunCommand(command, argv[0]);
    if (!morvanta::ThreadsCanStart()) return 1;
    morvanta::ToolkitArguments toolkit(argv[0]);
    morvanta::PrepareToolkitEnvironment();
    morvanta::WatchToolkitStart();
    morvanta::Application application(toolkit.argc, toolkit.argv);
    if (!morvanta::ToolkitStartedOnUsableScreen()) return 1;
    morvanta::TForm1 Form1;
    // The toolkit ends the program once its last window closes, but not when a box that was
    // open then (an error box, a file dialog) closes after it.
    QObject::connect(&Form1, &morvanta::TForm1::Closed, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (setup) Form1.OpenWithSetup(*setup);
    Form1.show();
    return application.exec();
}
