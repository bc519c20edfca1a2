#include "ui/qt/widgets/radio_item.h"

#include <QKeyEvent>

namespace morvanta {

bool RadioItem::hitButton(const QPoint& pos) const { return rect().contains(pos); }

void RadioItem::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Down:
        case Qt::Key_Right:
            emit StepRequested(+1);
            break;
        case Qt::Key_Up:
        case Qt::Key_Left:
            emit StepRequested(-1);
            break;
        default:
            QRadioButton::keyPressEvent(event);
    }
}

}  // namespace morvanta
