#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <optional>

#include "ui/qt/screen/paced_screen.h"
#include "ui/qt/screen/x11_window_canvas.h"

class QWidget;

namespace morvanta {

// How the changed pixels of a widget's retained image reach the screen during a run. On an
// X display they go straight to the window (X11WindowCanvas); elsewhere the widget repaints
// them from the image at the display's pace (PacedScreen). The image is what every later
// paint shows.
class ImageOnScreen : private PacedPart {
public:
    explicit ImageOnScreen(QWidget& widget);

    // Straight to X: puts the area of the image on the screen before returning, but for a
    // line (the pixels of lineColor), which goes with the next flush in the window: a run's
    // next step number or end dot follows before anything else is computed, so one flush a
    // step, as a bare X program would make. Should nothing follow, the event loop flushes.
    // Elsewhere the area goes with the next frame.
    void Show(const QImage& image, const QRect& area, std::optional<QRgb> lineColor);
    // The widget painted the region from the image.
    void Painted(const QRegion& region);

private:
    void CatchUp() override;

    QWidget& widget_;
    X11WindowCanvas canvas_;
    // What went straight to the screen and is not yet in the toolkit's copy of the window.
    QRect unpainted_;
    // What changed since the last frame, off the direct path.
    QRect held_;
};

}  // namespace morvanta
