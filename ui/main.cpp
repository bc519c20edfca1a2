#include "ui/application.h"
#include "ui/tform1.h"
#include "ui/toolkit_start.h"

int main(int argc, char** argv) {
    morvanta::WatchToolkitStart();
    morvanta::Application application(argc, argv);
    if (!morvanta::ToolkitStartedOnUsableScreen()) return 1;
    morvanta::TForm1 Form1;
    Form1.show();
    return application.exec();
}
