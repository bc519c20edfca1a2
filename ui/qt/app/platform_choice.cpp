#include "ui/qt/app/platform_choice.h"

#include <QByteArray>
#include <QtGlobal>

namespace morvanta {

void PreferX11OnWayland() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
}

void PrepareToolkitEnvironment() {
    PreferX11OnWayland();
    // What the toolkit still repaints itself goes in small areas. Over X11's shared-memory
    // extension each of those flushes waits for a round trip to the server; plain image
    // requests do not, and are several times faster at this size.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
}

}  // namespace morvanta
