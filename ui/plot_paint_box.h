#pragma once

#include <QImage>
#include <QWidget>

#include "plot/raster_surface.h"

namespace morvanta {

// The plot's paint box: the plot surface as a widget. Every drawing operation goes into a
// retained image that shares the raster's pixels, and is put on the screen before the
// operation returns, but for line segments: a run draws one after every step, and each goes
// to the screen with the window's next flush, the step display's repaint before the next
// step or the end dot of the trial. A left click (press and release over the box) emits
// Clicked().
class PlotPaintBox : public QWidget, public RasterSurface {
    Q_OBJECT

public:
    explicit PlotPaintBox(QWidget* parent = nullptr);

    void TextOut(int x, int y, const std::string& text) override;
    void LineTo(int x, int y) override;
    // The plot's pixels as an image (shares the raster's buffer).
    const QImage& Image() const { return image_; }

signals:
    void Clicked();

protected:
    void Changed(const PixelRect& rect) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage image_;
    bool leftPressed_ = false;
    bool drawingSegment_ = false;
};

}  // namespace morvanta
