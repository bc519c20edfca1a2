#include "ui/qt/screen/image_on_screen.h"

#include <QWidget>

namespace morvanta {

void ImageOnScreen::Show(const QRect& area) {
    // A hidden widget paints all of its image once it is shown.
    if (area.isEmpty() || !widget_.isVisible()) return;
    held_ |= area;
    PacedScreen::Changed(widget_, *this);
}

void ImageOnScreen::CatchUp() {
    widget_.update(held_);
    held_ = QRect();
}

}  // namespace morvanta
