#include "ui/qt/widgets/plain_widgets.h"

#include <QPainter>

namespace morvanta {

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(backgroundRole()));
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    QRect bevel = rect();
    for (int ring = 0; ring < 2; ++ring) {
        painter.setPen(light);
        painter.drawLine(bevel.topLeft(), bevel.topRight());
        painter.drawLine(bevel.topLeft(), bevel.bottomLeft());
        painter.setPen(dark);
        painter.drawLine(bevel.bottomLeft(), bevel.bottomRight());
        painter.drawLine(bevel.topRight(), bevel.bottomRight());
        bevel.adjust(1, 1, -1, -1);
    }
}

PictureBox::PictureBox(const QImage& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPoint PictureBox::PictureOrigin() const {
    // C++ division truncates towards zero, as the centring offsets must.
    return QPoint((width() - picture_.width()) / 2, (height() - picture_.height()) / 2);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(PictureOrigin(), picture_);
}

}  // namespace morvanta
