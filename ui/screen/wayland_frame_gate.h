#pragma once

#include <QObject>
#include <QWidget>

struct wl_callback;
struct wl_display;
struct wl_event_queue;
struct wl_surface;

namespace morvanta {

// On Qt's own Wayland platform a repaint can wait without limit: the toolkit paints into one
// of a few shared-memory buffers and, when the compositor still holds them all, waits for it
// to give one back. A compositor that stops showing the window (minimised, on another
// workspace, the screen off) may never do so, and a run would hang there.
//
// The gate keeps a run's repaints a few frames ahead of the compositor at most: after
// MaxRepaintsPerFrame repaints it waits for the compositor to show the frame that the first
// of them asked for, and then the toolkit has a free buffer. If no frame comes within
// FrameWaitMs the window is taken as not shown: repaints are left to the event loop, the
// run goes on as it does on an X server with the window unmapped, and once a frame comes
// the whole window is repainted before the next step. Elsewhere the gate always opens.
// One gate serves each top-level window, whose child it is.
class WaylandFrameGate : public QObject {
    Q_OBJECT

public:
    static constexpr int MaxRepaintsPerFrame = 4;
    static constexpr int FrameWaitMs = 100;

    // Whether the widget may repaint now; false while the compositor is not showing its
    // window, when the caller marks its area for the event loop instead.
    static bool BeforeRepaint(QWidget& widget);

    ~WaylandFrameGate() override;

private:
    explicit WaylandFrameGate(QWidget& window);
    bool Open();
    // The window's surface, with its events on queue_; false while it has none.
    bool FindSurface();
    // Drops the surface and the frame asked for on it.
    void ForgetSurface();
    // Reads what the compositor sent, waiting up to timeoutMs for the frame asked for.
    void ReadFrameEvents(int timeoutMs);
    static void FrameDone(void* gate, wl_callback* callback, unsigned int time);

    QWidget& window_;
    wl_display* display_ = nullptr;
    wl_event_queue* queue_ = nullptr;
    wl_surface* windowSurface_ = nullptr;  // the toolkit's
    wl_surface* surface_ = nullptr;        // the same surface, its events on queue_
    wl_callback* frame_ = nullptr;         // the frame asked for and not yet shown
    int repaints_ = 0;                     // since frame_ was asked for
    bool shown_ = true;
};

}  // namespace morvanta
