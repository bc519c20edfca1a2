#include "ui/application.h"

#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QStyleFactory>
#include <exception>

#include "ui/fonts.h"

namespace morvanta {

QString ApplicationTitleFor(const QString& executablePath) {
    const QString name = QFileInfo(executablePath).completeBaseName();
    return name.left(1) + name.mid(1).toLower();
}

QString ErrorBoxText(const QString& errorText) {
    if (!errorText.isEmpty() && errorText.back().unicode() > u'.') return errorText + '.';
    return errorText;
}

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv), title_(ApplicationTitleFor(QApplication::applicationFilePath())) {
    // The classic "Windows" style is the nearest to the window's designed look.
    if (QStyle* classic = QStyleFactory::create("Windows")) setStyle(classic);
    InstallFontSubstitutes();
    setApplicationName(title_);
    setDesktopFileName("morvanta");
    setWindowIcon(QIcon(":/icon32.bmp"));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowErrorBox("Unknown error");
    }
    return false;
}

void Application::ShowErrorBox(const QString& errorText) {
    QMessageBox box(QMessageBox::Critical, title_, ErrorBoxText(errorText), QMessageBox::Ok);
    box.setObjectName("ErrorBox");
    box.exec();
}

}  // namespace morvanta
