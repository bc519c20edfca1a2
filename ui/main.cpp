#include "ui/application.h"
#include "ui/platform_choice.h"
#include "ui/tform1.h"

int main(int argc, char** argv) {
    morvanta::PreferX11OnWayland();
    morvanta::Application application(argc, argv);
    morvanta::TForm1 Form1;
    Form1.show();
    return application.exec();
}
