// The start-up reference for the window: the least a Qt Widgets program does to show a
// window of the program's client size (615 x 583, one label). It prints the time from the
// process's start, loading of the Qt libraries included, to its first frame on screen, as
// one line "startup_ms=X", and quits.
//
// "On screen" is after the top-level widget's first paint: Qt paints and flushes the backing
// store in one go, so a zero-time timer posted from the first paint runs after the flush; a
// round trip to the X server then makes sure the server has drawn the frame.

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>

#include "bench/process_clock.h"

namespace {

constexpr int ClientWidth = 615;
constexpr int ClientHeight = 583;
constexpr int GiveUpMs = 20000;

// Waits for one X round trip, so that every request sent before it has been carried out.
void WaitForXServer(const QApplication& app) {
    const auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) return;  // not on X (offscreen): nothing to wait for
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

// Reports once, after the watched widget's first paint has been flushed.
class FirstFrameReport final : public QObject {
public:
    explicit FirstFrameReport(const QApplication& app) : app_(app) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!painted_ && event->type() == QEvent::Paint) {
            painted_ = true;
            QTimer::singleShot(0, this, [this] {
                WaitForXServer(app_);
                const double ms = morvanta::bench::MillisecondsSinceProcessStart();
                std::printf("startup_ms=%.1f\n", ms);
                std::fflush(stdout);
                QCoreApplication::exit(ms >= 0.0 ? 0 : 1);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QApplication& app_;
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("minimal_qt"));
    window.resize(ClientWidth, ClientHeight);
    QLabel label(QStringLiteral("Morvanta"), &window);
    label.move(24, 24);

    FirstFrameReport report(app);
    window.installEventFilter(&report);
    window.show();

    QTimer::singleShot(GiveUpMs, &app, [] {
        std::fprintf(stderr, "minimal_qt: the window was never painted\n");
        QCoreApplication::exit(1);
    });
    return QApplication::exec();
}
