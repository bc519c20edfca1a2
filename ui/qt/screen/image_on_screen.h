#pragma once

#include <QImage>
#include <QRect>

#include "ui/qt/screen/paced_screen.h"

class QWidget;

namespace morvanta {

// How the changed pixels of a widget's retained image reach the screen: the widget repaints
// them from the image at the display's pace (PacedScreen). The image is what every paint
// shows.
class ImageOnScreen : private PacedPart {
public:
    explicit ImageOnScreen(QWidget& widget) : widget_(widget) {}

    // The area of the image changed: it goes to the screen with the next frame.
    void Show(const QRect& area);

private:
    void CatchUp() override;

    QWidget& widget_;
    // What changed since the last frame.
    QRect held_;
};

}  // namespace morvanta
