#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <optional>

#include "ui/screen/x11_window_canvas.h"

class QWidget;

namespace morvanta {

// How the changed pixels of a widget's retained image reach the screen during a run. On an
// X display they go straight to the window (X11WindowCanvas); elsewhere the widget repaints
// them from the image, or leaves them to the event loop while the compositor is not showing
// the window (WaylandFrameGate). The image is what every later paint shows.
class ImageOnScreen {
public:
    explicit ImageOnScreen(QWidget& widget);

    // Puts the area of the image on the screen before returning, but for a line (the pixels
    // of lineColor), which goes with the next flush in the window: a run's next step number
    // or end dot follows before anything else is computed, so one flush a step, as a bare X
    // program would make. Should nothing follow, the event loop flushes.
    void Show(const QImage& image, const QRect& area, std::optional<QRgb> lineColor);
    // The widget painted the region from the image.
    void Painted(const QRegion& region);

private:
    QWidget& widget_;
    X11WindowCanvas canvas_;
    // What went straight to the screen and is not yet in the toolkit's copy of the window.
    QRect unpainted_;
};

// Repaints the widget at once where the screen can take it now, else marks it for the
// event loop: the path of everything a run shows that does not go straight to X.
void RepaintNow(QWidget& widget);
void RepaintNow(QWidget& widget, const QRect& area);

}  // namespace morvanta
