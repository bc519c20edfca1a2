#pragma once

#include <QProxyStyle>

namespace morvanta {

// The classic "Windows" style with its sunken edit-box panel drawn as plain filled lines.
// The base style strokes the same bevel as polylines, which costs more than everything else
// on the step display's repaint; runs repaint it after every step.
class ClassicStyle : public QProxyStyle {
    Q_OBJECT

public:
    ClassicStyle();
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// Draws the classic sunken two-pixel bevel around the rectangle, and fills the inside when a
// fill is given.
void DrawSunkenPanel(QPainter* painter, const QRect& rect, const QPalette& palette,
                     const QBrush* fill);

}  // namespace morvanta
