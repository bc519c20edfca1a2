#include "ui/qt/screen/image_on_screen.h"

#include <QWidget>

namespace morvanta {

ImageOnScreen::ImageOnScreen(QWidget& widget) : widget_(widget), canvas_(widget) {}

void ImageOnScreen::Show(const QImage& image, const QRect& area, std::optional<QRgb> lineColor) {
    if (area.isEmpty() || !widget_.isVisible()) return;
    if (!canvas_.Begin()) {
        held_ |= area;
        PacedScreen::Changed(widget_, *this);
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

void ImageOnScreen::CatchUp() {
    widget_.update(held_);
    held_ = QRect();
}

void ImageOnScreen::Painted(const QRegion& region) {
    if ((QRegion(unpainted_) - region).isEmpty()) unpainted_ = QRect();
}

}  // namespace morvanta
