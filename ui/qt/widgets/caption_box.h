#pragma once

#include <QWidget>
#include <string>

#include "ui/qt/widgets/plot_image.h"

namespace morvanta {

// The strip under the plot that says what the plot shows, drawn as the plot's own text is
// (DrawCaptionStrip on a plot image) and zoomed with it.
class CaptionBox : public QWidget {
public:
    explicit CaptionBox(QWidget* parent = nullptr);

    void SetText(const std::string& text);
    // The strip at the factor (1 to 3), as the plot is.
    void SetZoom(double factor);
    const QImage& Image() const { return image_.Image(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PlotImage image_;
    double zoom_ = 1.0;
};

}  // namespace morvanta
