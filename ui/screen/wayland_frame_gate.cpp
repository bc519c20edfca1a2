#include "ui/screen/wayland_frame_gate.h"

#include <poll.h>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <chrono>

namespace morvanta {

bool WaylandFrameGate::BeforeRepaint(QWidget& widget) {
    static const bool onWayland = QGuiApplication::platformName().startsWith("wayland");
    if (!onWayland) return true;
    QWidget* window = widget.window();
    auto* gate = window->findChild<WaylandFrameGate*>(QString(), Qt::FindDirectChildrenOnly);
    if (gate == nullptr) gate = new WaylandFrameGate(*window);
    return gate->Open();
}

WaylandFrameGate::WaylandFrameGate(QWidget& window) : QObject(&window), window_(window) {
    if (QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface())
        display_ = static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
    if (display_ != nullptr) queue_ = wl_display_create_queue(display_);
}

WaylandFrameGate::~WaylandFrameGate() {
    ForgetSurface();
    if (queue_ != nullptr) wl_event_queue_destroy(queue_);
}

void WaylandFrameGate::ForgetSurface() {
    if (frame_ != nullptr) wl_callback_destroy(frame_);
    if (surface_ != nullptr) wl_proxy_wrapper_destroy(surface_);
    frame_ = nullptr;
    surface_ = nullptr;
    repaints_ = 0;
    shown_ = true;
}

bool WaylandFrameGate::FindSurface() {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    QWindow* handle = window_.windowHandle();
    auto* current =
        native != nullptr && handle != nullptr
            ? static_cast<wl_surface*>(native->nativeResourceForWindow("surface", handle))
            : nullptr;
    if (current == windowSurface_) return surface_ != nullptr;
    // The toolkit made the surface again (the window was hidden and shown): start afresh.
    ForgetSurface();
    windowSurface_ = current;
    if (current == nullptr || queue_ == nullptr) return false;
    surface_ = static_cast<wl_surface*>(wl_proxy_create_wrapper(current));
    if (surface_ != nullptr) wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(surface_), queue_);
    return surface_ != nullptr;
}

bool WaylandFrameGate::Open() {
    if (!FindSurface()) return true;  // nothing to wait for: the toolkit has no surface
    const bool wasShown = shown_;
    ReadFrameEvents(0);
    if (frame_ != nullptr && shown_ && repaints_ >= MaxRepaintsPerFrame) {
        ReadFrameEvents(FrameWaitMs);
        shown_ = frame_ == nullptr;
    }
    if (!shown_) return false;  // until the frame asked for is shown
    if (!wasShown) {
        // Shown again: what was left to the event loop goes out with this repaint.
        window_.update();
        window_.repaint();
    }
    if (frame_ == nullptr) {
        // Goes with the toolkit's next commit, the repaint about to be made.
        frame_ = wl_surface_frame(surface_);
        static const wl_callback_listener listener{&WaylandFrameGate::FrameDone};
        wl_callback_add_listener(frame_, &listener, this);
        repaints_ = 0;
    }
    ++repaints_;
    return true;
}

void WaylandFrameGate::FrameDone(void* gate, wl_callback* callback, unsigned int) {
    auto* self = static_cast<WaylandFrameGate*>(gate);
    wl_callback_destroy(callback);
    self->frame_ = nullptr;
    self->shown_ = true;
}

void WaylandFrameGate::ReadFrameEvents(int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    wl_display_dispatch_queue_pending(display_, queue_);
    while (frame_ != nullptr) {
        // The toolkit's own thread reads the connection too; whichever reads puts the frame
        // event in this queue, and the reads of both are joined by the library.
        if (wl_display_prepare_read_queue(display_, queue_) != 0) {
            wl_display_dispatch_queue_pending(display_, queue_);
            continue;
        }
        wl_display_flush(display_);
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd connection{wl_display_get_fd(display_), POLLIN, 0};
        if (poll(&connection, 1, static_cast<int>(std::max<long long>(0, left.count()))) > 0) {
            wl_display_read_events(display_);
        } else {
            wl_display_cancel_read(display_);
            break;
        }
        wl_display_dispatch_queue_pending(display_, queue_);
        if (Clock::now() >= deadline) break;
    }
}

}  // namespace morvanta
