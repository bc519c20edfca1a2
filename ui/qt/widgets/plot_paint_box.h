#pragma once

#include <QWidget>

#include "ui/qt/screen/image_on_screen.h"
#include "ui/qt/widgets/plot_image.h"

namespace morvanta {

// The plot's paint box: the plot image as a widget. Every drawing operation goes into the
// retained image, which goes to the screen at the display's pace (ImageOnScreen); the image
// is what every paint shows, each of its pixels as a block of the zoom factor's size. A left
// click (press and release over the box) emits Clicked().
class PlotPaintBox : public QWidget, public PlotImage {
    Q_OBJECT

public:
    explicit PlotPaintBox(QWidget* parent = nullptr);

    // Shows the plot at the factor (1 to 3), nearest pixel: whole factors give crisp blocks.
    void SetZoom(double factor);
    double Zoom() const { return zoom_; }
    // The box's size at its zoom.
    QSize ZoomedSize() const;

signals:
    void Clicked();

protected:
    void Changed(const PixelRect& rect) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ImageOnScreen screen_;
    double zoom_ = 1.0;
    bool leftPressed_ = false;
};

}  // namespace morvanta
