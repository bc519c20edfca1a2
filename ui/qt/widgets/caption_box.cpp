#include "ui/qt/widgets/caption_box.h"

#include <QPainter>

#include "plot/caption_strip.h"
#include "plot/zoom.h"

namespace morvanta {

CaptionBox::CaptionBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    SetZoom(1.0);
}

void CaptionBox::SetText(const std::string& text) {
    DrawCaptionStrip(image_, text);
    setAccessibleName(QString::fromStdString(text));
    update();
}

void CaptionBox::SetZoom(double factor) {
    zoom_ = ClampedZoom(factor);
    resize(ZoomedLength(MapWidth, zoom_), ZoomedLength(CaptionStripHeight, zoom_));
    update();
}

void CaptionBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(size())), image_.Image(),
                      QRectF(0, 0, MapWidth, CaptionStripHeight));
}

}  // namespace morvanta
