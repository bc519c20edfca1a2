#include "ui/qt/widgets/plot_paint_box.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "plot/zoom.h"

namespace morvanta {

PlotPaintBox::PlotPaintBox(QWidget* parent) : QWidget(parent), screen_(*this) {
    setAttribute(Qt::WA_OpaquePaintEvent);  // every pixel comes from the image
    setFocusPolicy(Qt::NoFocus);
    resize(MapWidth, MapHeight);
}

void PlotPaintBox::SetZoom(double factor) {
    zoom_ = ClampedZoom(factor);
    resize(ZoomedSize());
    update();
}

QSize PlotPaintBox::ZoomedSize() const {
    return {ZoomedLength(MapWidth, zoom_), ZoomedLength(MapHeight, zoom_)};
}

void PlotPaintBox::Changed(const PixelRect& rect) {
    if (zoom_ == 1.0) {
        screen_.Show({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
        return;
    }
    // The blocks of the changed pixels, rounded outwards.
    const auto at = [this](int pixel, bool up) {
        const double edge = pixel * zoom_;
        return static_cast<int>(up ? std::ceil(edge) : std::floor(edge));
    };
    const int left = at(rect.left, false), top = at(rect.top, false);
    screen_.Show({left, top, at(rect.right, true) - left, at(rect.bottom, true) - top});
}

void PlotPaintBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    if (zoom_ == 1.0) {
        const QRect area = event->rect() & QRect(0, 0, MapWidth, MapHeight);
        painter.drawImage(area.topLeft(), Image(), area);
        return;
    }
    // Without smoothing the painter takes each pixel from under its centre, as ZoomPixels does.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setClipRect(event->rect());
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(ZoomedSize())), Image());
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
