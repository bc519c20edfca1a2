#include "ui/qt/widgets/plot_paint_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace morvanta {

PlotPaintBox::PlotPaintBox(QWidget* parent) : QWidget(parent), screen_(*this) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel comes from the image
    setFocusPolicy(Qt::NoFocus);
    resize(MapWidth, MapHeight);
}

void PlotPaintBox::Changed(const PixelRect& rect) {
    screen_.Show({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
}

void PlotPaintBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect() & QRect(0, 0, MapWidth, MapHeight);
    painter.drawImage(area.topLeft(), Image(), area);
}

void PlotPaintBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) leftPressed_ = true;
}

void PlotPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool click = leftPressed_ && rect().contains(event->position().toPoint());
    leftPressed_ = false;
    if (click) emit Clicked();
}

void PlotPaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click is not a new click: its release clicks nothing.
    if (event->button() == Qt::LeftButton) leftPressed_ = false;
}

}  // namespace morvanta
