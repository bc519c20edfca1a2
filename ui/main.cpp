#include "ui/application.h"
#include "ui/tform1.h"

int main(int argc, char** argv) {
    morvanta::Application application(argc, argv);
    morvanta::TForm1 Form1;
    Form1.show();
    return application.exec();
}
