#include "ui/app/toolkit_start.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
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

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const std::lock_guard lock(heldLock);
    if (type == QtFatalMsg) {
        // Nothing has been shown or saved yet: end here, with no abort and no core file.
        ExplainFailedStart();
        std::_Exit(EXIT_FAILURE);
    }
    held.push_back({type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

void WatchToolkitStart() { toolkitHandler = qInstallMessageHandler(HoldMessage); }

bool ToolkitStartedOnUsableScreen() {
    qInstallMessageHandler(toolkitHandler);
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
