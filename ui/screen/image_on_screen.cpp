#include "ui/screen/image_on_screen.h"

#include <QWidget>

#include "ui/screen/wayland_frame_gate.h"

namespace morvanta {

ImageOnScreen::ImageOnScreen(QWidget& widget) : widget_(widget), canvas_(widget) {}

void ImageOnScreen::Show(const QImage& image, const QRect& area, std::optional<QRgb> lineColor) {
    if (area.isEmpty() || !widget_.isVisible()) return;
    if (!canvas_.Begin()) {
        // A line goes with the next repaint in the window.
        if (lineColor)
            widget_.update(area);
        else
            RepaintNow(widget_, area);
        return;
    }
    if (lineColor) {
        canvas_.PutPixelsOf(image, area, *lineColor);
    } else {
        canvas_.PutImage(image, area, area.topLeft());
        canvas_.Flush();
    }
    // The toolkit paints the same pixels from the image once the run lets events through.
    if (!unpainted_.contains(area)) {
        unpainted_ |= area;
        widget_.update(unpainted_);
    }
}

void ImageOnScreen::Painted(const QRegion& region) {
    if ((QRegion(unpainted_) - region).isEmpty()) unpainted_ = QRect();
}

void RepaintNow(QWidget& widget) {
    if (WaylandFrameGate::BeforeRepaint(widget))
        widget.repaint();
    else
        widget.update();
}

void RepaintNow(QWidget& widget, const QRect& area) {
    if (WaylandFrameGate::BeforeRepaint(widget))
        widget.repaint(area);
    else
        widget.update(area);
}

}  // namespace morvanta
