#include "ui/qt/app/application.h"

#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QPixmap>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <utility>

#include "ui/qt/widgets/bitmaps.h"
#include "ui/qt/widgets/classic_style.h"
#include "ui/qt/widgets/fault_points.h"
#include "ui/qt/widgets/fonts.h"

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
    setStyle(new ClassicStyle);
    InstallFontSubstitutes();
    setApplicationName(title_);
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

// Where nothing more can be allocated the error box cannot be built either; the text then
// goes to the standard error stream as it stands, with the box's full-stop rule.
void WriteError(const char* text) noexcept {
    const std::size_t length = std::strlen(text);
    const bool fullStop = length > 0 && static_cast<unsigned char>(text[length - 1]) > '.';
    std::fprintf(stderr, "%s: %s%s\n", program_invocation_short_name, text, fullStop ? "." : "");
}

void ReportError(const char* text) noexcept {
    try {
        ReachFaultPoint(FaultPoint::ErrorBox);
        ShowError(QString::fromLocal8Bit(text));
        return;
    } catch (...) {
    }
    WriteError(text);
}

void ReportError(std::exception_ptr error) noexcept {
    try {
        std::rethrow_exception(std::move(error));
    } catch (const std::exception& raised) {
        ReportError(raised.what());
    } catch (...) {
        ReportError("Unknown error");
    }
}

// How many of the program's handlers are running, and the first error the toolkit caught
// under them.
int handlersRunning = 0;
std::exception_ptr heldToolkitError;

class HandlerScope {
public:
    HandlerScope() { ++handlersRunning; }
    ~HandlerScope() { --handlersRunning; }
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;
};

}  // namespace

void RaiseHeldToolkitError() {
    if (heldToolkitError) std::rethrow_exception(std::exchange(heldToolkitError, nullptr));
}

void RunHandler(const std::function<void()>& body) {
    try {
        {
            const HandlerScope running;
            body();
        }
        RaiseHeldToolkitError();
    } catch (const std::exception& error) {
        ReportError(error.what());
    } catch (...) {
        ReportError("Unknown error");
    }
}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ToolkitError(std::current_exception());
    }
    return false;
}

void Application::ToolkitError(std::exception_ptr error) noexcept {
    // Under one of the program's handlers the error ends that handler once the toolkit
    // returns to it.
    if (handlersRunning > 0) {
        if (!heldToolkitError) heldToolkitError = std::move(error);
        return;
    }
    // Otherwise the box shows once the toolkit has finished with this event: a modal box in
    // the middle of a paint or a layout would run the event loop inside it.
    try {
        QMetaObject::invokeMethod(
            this, [error] { ReportError(error); }, Qt::QueuedConnection);
    } catch (...) {
        ReportError(std::move(error));
    }
}

void Application::ShowErrorBox(const QString& errorText) {
    QMessageBox box(QMessageBox::Critical, title_, ErrorBoxText(errorText), QMessageBox::Ok);
    box.setObjectName("ErrorBox");
    box.exec();
}

}  // namespace morvanta
