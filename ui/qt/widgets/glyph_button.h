#pragma once

#include <QImage>
#include <QPushButton>

namespace morvanta {

// A push button with a glyph before its caption. The glyph strip holds two square cells:
// the left one is shown normally, the right one when the button is disabled. The strip's
// bottom-left colour is transparent.
class GlyphButton : public QPushButton {
    Q_OBJECT

public:
    GlyphButton(const QString& caption, const QImage& glyphStrip, QWidget* parent = nullptr);

    static constexpr int BorderWidth = 2;  // the 3-D frame around the face
    static constexpr int GlyphGap = 4;     // between glyph and caption

    // Where glyph and caption lie in the button, unpressed.
    QRect GlyphRect() const;
    QRect CaptionRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect InnerRect() const;
    QImage normalGlyph_;
    QImage disabledGlyph_;
};

// The cell of a glyph strip with its transparent colour made transparent.
QImage GlyphCell(const QImage& strip, int cell);

}  // namespace morvanta
