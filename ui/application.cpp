#include "ui/application.h"

#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <exception>

#include "ui/classic_style.h"
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

namespace {

// Settings the toolkit reads when the application object is made.
int& PrepareToolkit(int& argc) {
    // Runs repaint small areas after every step. Over X11's shared-memory extension each of
    // those flushes waits for a round trip to the server; plain image requests do not, and
    // are several times faster at this size.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    return argc;
}

}  // namespace

Application::Application(int& argc, char** argv)
    : QApplication(PrepareToolkit(argc), argv),
      title_(ApplicationTitleFor(QApplication::applicationFilePath())) {
    // The classic "Windows" style is the nearest to the window's designed look.
    setStyle(new ClassicStyle);
    InstallFontSubstitutes();
    setApplicationName(title_);
    setDesktopFileName("morvanta");
    setWindowIcon(QIcon(":/icon32.bmp"));
}

namespace {

void ShowError(const QString& text) {
    if (auto* application = qobject_cast<Application*>(QCoreApplication::instance())) {
        application->ShowErrorBox(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(), ErrorBoxText(text),
                    QMessageBox::Ok);
    box.exec();
}

}  // namespace

void RunHandler(const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& error) {
        ShowError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowError("Unknown error");
    }
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
