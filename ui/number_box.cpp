#include "ui/number_box.h"

#include <QEvent>
#include <QPainter>

#include "ui/fault_points.h"

namespace morvanta {

bool NumberBox::LooksFit() const {
    return looksSize_ == size() && looksPixelRatio_ == devicePixelRatioF();
}

void NumberBox::ShowNumber(int n) {
    ReachFaultPoint(FaultPoint::NumberBoxShow);
    setText(QString::number(n));
    if (!LooksFit()) {
        looks_.clear();
        looksSize_ = size();
        looksPixelRatio_ = devicePixelRatioF();
    }
    if (ShowsPlainText() && !looks_.contains(text())) {
        QPixmap look(looksSize_ * looksPixelRatio_);
        look.setDevicePixelRatio(looksPixelRatio_);
        renderingLook_ = true;
        render(&look);
        renderingLook_ = false;
        looks_.insert(text(), look);
    }
    repaint();
}

void NumberBox::paintEvent(QPaintEvent* event) {
    ReachFaultPoint(FaultPoint::NumberBoxPaint);
    const auto look = looks_.constFind(text());
    if (renderingLook_ || !ShowsPlainText() || look == looks_.cend() || !LooksFit()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, *look);
}

void NumberBox::changeEvent(QEvent* event) {
    // Anything that changes how the box looks makes the kept looks stale.
    switch (event->type()) {
        case QEvent::FontChange:
        case QEvent::PaletteChange:
        case QEvent::StyleChange:
        case QEvent::EnabledChange:
        case QEvent::LayoutDirectionChange:
        case QEvent::ReadOnlyChange:
        case QEvent::ActivationChange:  // the palette's active or inactive colours
            looks_.clear();
            break;
        default:
            break;
    }
    QLineEdit::changeEvent(event);
}


}  // namespace morvanta
