#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>

class QWidget;
struct xcb_connection_t;

namespace morvanta {

// Tells when the X11 window manager publishes or changes the frame it draws around a
// window (_NET_FRAME_EXTENTS). Window managers do that at their own pace, often only after
// the window is mapped. Off X11 it never fires.
class FrameWatcher : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    explicit FrameWatcher(QWidget* window);
    ~FrameWatcher() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

signals:
    // Emitted once the toolkit has taken in the new frame: QWindow::frameMargins() tells it.
    void FrameChanged();

private:
    QWidget* window_;
    xcb_connection_t* connection_ = nullptr;
    // The atom's name is sent to the server at once and its number read with the first
    // event, so that making the window waits for no round trip to the server.
    unsigned int atomRequest_ = 0;
    std::uint32_t frameExtentsAtom_ = 0;
};

}  // namespace morvanta
