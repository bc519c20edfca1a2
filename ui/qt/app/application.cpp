#include "ui/qt/app/application.h"

#include <QFileInfo>
#include <QIcon>
#include <QPixmap>
#include <exception>

#include "ui/qt/widgets/bitmaps.h"
#include "ui/qt/widgets/classic_style.h"
#include "ui/qt/widgets/fonts.h"
#include "ui/qt/widgets/handler_errors.h"

namespace morvanta {

QString ApplicationTitleFor(const QString& executablePath) {
    const QString name = QFileInfo(executablePath).completeBaseName();
    return name.left(1) + name.mid(1).toLower();
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    // The classic "Windows" style is the nearest to the window's designed look.
    setStyle(new ClassicStyle);
    InstallFontSubstitutes();
    // The error box's caption.
    setApplicationName(ApplicationTitleFor(QApplication::applicationFilePath()));
    setDesktopFileName("morvanta");
    setWindowIcon(ProgramIcon());
}

QIcon ProgramIcon() {
    // The designed 32 x 32 icon, and the larger sizes the desktop is given, so that a task
    // bar or a switcher scales down from the nearest rather than up from 32.
    QIcon icon(QPixmap::fromImage(LoadBitmap(":/icon32.bmp")));
    for (const int side : {48, 64, 128, 256})
        icon.addFile(QString(":/icons/morvanta-%1.png").arg(side), QSize(side, side));
    return icon;
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ToolkitError(std::current_exception());
    }
    return false;
}

}  // namespace morvanta
