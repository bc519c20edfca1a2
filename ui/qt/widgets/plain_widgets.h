#pragma once

#include <QImage>
#include <QWidget>

namespace morvanta {

// A panel with a raised outer and a raised inner bevel, each one pixel wide.
class BevelPanel : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A picture shown centred at its own size: a larger picture shows its middle part.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    PictureBox(const QImage& picture, QWidget* parent = nullptr);
    // The picture's top-left corner relative to the box.
    QPoint PictureOrigin() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

}  // namespace morvanta
