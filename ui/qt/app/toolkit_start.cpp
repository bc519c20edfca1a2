#include "ui/qt/app/toolkit_start.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

namespace morvanta {
namespace {

// Fewer bits than this and the toolkit cannot paint on X11 (it knows only true colour).
constexpr int FewestColourBits = 15;

struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

QtMessageHandler toolkitHandler = nullptr;
// The toolkit may write from its own threads (the X11 event reader) while it starts.
std::mutex heldLock;
std::vector<HeldMessage> held;

const char* Program() { return program_invocation_short_name; }

// The display X11 clients open when given none.
QByteArray DisplayName() { return qgetenv("DISPLAY"); }

void ExplainFailedStart() {
    const bool x11Tried = std::any_of(held.begin(), held.end(), [](const HeldMessage& message) {
        return message.category && std::strncmp(message.category, "qt.qpa.xcb", 10) == 0;
    });
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (x11Tried && DisplayName().isEmpty())
        std::fprintf(stderr, "%s: cannot open a display: DISPLAY is not set\n", Program());
    else if (x11Tried)
        std::fprintf(stderr, "%s: cannot open display \"%s\"\n", Program(),
                     DisplayName().constData());
    else if (!platform.isEmpty())
        std::fprintf(stderr, "%s: cannot start the window system \"%s\" (QT_QPA_PLATFORM)\n",
                     Program(), platform.constData());
    else
        std::fprintf(stderr, "%s: cannot reach a window system\n", Program());
}

// The toolkit's word that it could not start a thread, after which it may wait for that
// thread for ever.
bool ThreadNotStarted(const QString& text) {
    return text.startsWith(QLatin1String("QThread::start: Thread creation error"));
}

[[noreturn]] void EndWithoutThread() {
    std::fprintf(stderr, "%s: cannot start a thread: %s\n", Program(), std::strerror(EAGAIN));
    std::_Exit(EXIT_FAILURE);
}

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (ThreadNotStarted(text)) EndWithoutThread();
    const std::lock_guard lock(heldLock);
    if (type == QtFatalMsg) {
        // Nothing has been shown or saved yet: end here, with no abort and no core file.
        ExplainFailedStart();
        std::_Exit(EXIT_FAILURE);
    }
    held.push_back({type, context.file, context.line, context.function, context.category, text});
}

// After the start: the toolkit's messages as it writes them, unless it could not start a
// thread.
void PassMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (ThreadNotStarted(text)) EndWithoutThread();
    toolkitHandler(type, context, text);
}

void DropMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtFatalMsg) return;
    // The toolkit's fatal messages may run over several lines: one is said.
    std::fprintf(stderr, "%s: %s\n", Program(), qPrintable(text.simplified()));
    std::_Exit(EXIT_FAILURE);
}

[[noreturn]] void EndOnUncaughtError() noexcept {
    try {
        if (const std::exception_ptr error = std::current_exception())
            std::rethrow_exception(error);
        std::fprintf(stderr, "%s: unexpected error\n", Program());
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "%s: out of memory\n", Program());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", Program(), error.what());
    } catch (...) {
        std::fprintf(stderr, "%s: unexpected error\n", Program());
    }
    std::_Exit(EXIT_FAILURE);
}

}  // namespace

bool ThreadsCanStart() {
    try {
        std::thread([] {}).join();
        return true;
    } catch (const std::system_error& error) {
        std::fprintf(stderr, "%s: cannot start a thread: %s\n", Program(),
                     std::strerror(error.code().value()));
    }
    return false;
}

void QuietToolkitForBatch() {
    qInstallMessageHandler(DropMessage);
    std::set_terminate(EndOnUncaughtError);
}

void WatchToolkitStart() { toolkitHandler = qInstallMessageHandler(HoldMessage); }

bool ToolkitStartedOnUsableScreen() {
    qInstallMessageHandler(PassMessage);
    const std::lock_guard lock(heldLock);
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(message.file, message.line, message.function,
                                         message.category);
        toolkitHandler(message.type, context, message.text);
    }
    std::vector<HeldMessage>().swap(held);

    const QScreen* screen = QGuiApplication::primaryScreen();
    if (QGuiApplication::platformName() != "xcb" || !screen || screen->depth() >= FewestColourBits)
        return true;
    std::fprintf(stderr,
                 "%s: the screen of display \"%s\" has %d-bit colour; the window needs %d-bit "
                 "colour or more\n",
                 Program(), DisplayName().constData(), screen->depth(), FewestColourBits);
    return false;
}

}  // namespace morvanta
