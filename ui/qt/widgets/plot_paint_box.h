#pragma once

#include <QWidget>

#include "ui/qt/screen/image_on_screen.h"
#include "ui/qt/widgets/plot_image.h"

namespace morvanta {

// The plot's paint box: the plot image as a widget. Every drawing operation goes into the
// retained image, which goes to the screen at the display's pace (ImageOnScreen); the image
// is what every paint shows. A left click (press and release over the box) emits Clicked().
class PlotPaintBox : public QWidget, public PlotImage {
    Q_OBJECT

public:
    explicit PlotPaintBox(QWidget* parent = nullptr);

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
    bool leftPressed_ = false;
};

}  // namespace morvanta
