#include "ui/qt/screen/frame_watcher.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QWidget>
#include <cstdlib>
#include <cstring>

namespace morvanta {

FrameWatcher::FrameWatcher(QWidget* window) : QObject(window), window_(window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) return;
    static constexpr char name[] = "_NET_FRAME_EXTENTS";
    connection_ = connection;
    atomRequest_ = xcb_intern_atom(connection, 0, std::strlen(name), name).sequence;
    qGuiApp->installNativeEventFilter(this);
}

FrameWatcher::~FrameWatcher() {
    if (!connection_) return;
    qGuiApp->removeNativeEventFilter(this);
    if (atomRequest_) xcb_discard_reply(connection_, atomRequest_);
}

bool FrameWatcher::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    if (atomRequest_) {
        xcb_intern_atom_reply_t* reply =
            xcb_intern_atom_reply(connection_, xcb_intern_atom_cookie_t{atomRequest_}, nullptr);
        atomRequest_ = 0;
        if (reply) frameExtentsAtom_ = reply->atom;
        std::free(reply);
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    // The top bit marks events another client sent.
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return false;
    const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event);
    if (change->atom != frameExtentsAtom_ || !window_->internalWinId() ||
        change->window != window_->internalWinId())
        return false;
    // The toolkit reads the new extents when it handles this same event, after this filter:
    // tell the window once that is done.
    QMetaObject::invokeMethod(
        this, [this] { emit FrameChanged(); }, Qt::QueuedConnection);
    return false;
}

}  // namespace morvanta
