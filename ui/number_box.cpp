#include "ui/number_box.h"

#include <QEvent>
#include <QPainter>

namespace morvanta {

void NumberBox::ShowNumber(int n) {
    setText(QString::number(n));
    if (ShowsPlainText() && !looks_.contains(text())) {
        const qreal ratio = devicePixelRatioF();
        if (ratio != looksPixelRatio_) {
            looks_.clear();
            looksPixelRatio_ = ratio;
        }
        QPixmap look(size() * ratio);
        look.setDevicePixelRatio(ratio);
        renderingLook_ = true;
        render(&look);
        renderingLook_ = false;
        looks_.insert(text(), look);
    }
    repaint();
}

void NumberBox::paintEvent(QPaintEvent* event) {
    const auto look = looks_.constFind(text());
    if (renderingLook_ || !ShowsPlainText() || look == looks_.cend() ||
        devicePixelRatioF() != looksPixelRatio_) {
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
            looks_.clear();
            break;
        default:
            break;
    }
    QLineEdit::changeEvent(event);
}

void NumberBox::resizeEvent(QResizeEvent* event) {
    looks_.clear();
    QLineEdit::resizeEvent(event);
}

}  // namespace morvanta
