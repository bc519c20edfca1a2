#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

#include "plot/raster_surface.h"
#include "ui/x11_window_canvas.h"

namespace morvanta {

// The plot's paint box: the plot surface as a widget. Every drawing operation goes into a
// retained image that shares the raster's pixels, and is on the screen before the operation
// returns, but for a line, which goes with the next flush in the window (a run's next step
// number or end dot). On an X display the changed pixels go straight to the window,
// elsewhere the box repaints them. The image is what every later paint shows. A left click
// (press and release over the box) emits Clicked().
class PlotPaintBox : public QWidget, public RasterSurface {
    Q_OBJECT

public:
    explicit PlotPaintBox(QWidget* parent = nullptr);

    void TextOut(int x, int y, const std::string& text) override;
    // The plot's pixels as an image (shares the raster's buffer).
    const QImage& Image() const { return image_; }

signals:
    void Clicked();

protected:
    void Changed(const PixelRect& rect) override;
    void ChangedInPenColor(const PixelRect& rect) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Sends the changed pixels to the screen; a line's are those of its colour.
    void Show(const PixelRect& rect, std::optional<QRgb> lineColor);

    QImage image_;
    X11WindowCanvas canvas_;
    // What went straight to the screen and is not yet in the toolkit's copy of the window.
    QRect unpainted_;
    bool leftPressed_ = false;
};

}  // namespace morvanta
