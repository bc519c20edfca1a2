#include "ui/qt/widgets/glyph_button.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace morvanta {

QImage GlyphCell(const QImage& strip, int cell) {
    const int side = strip.height();
    QImage glyph = strip.copy(cell * side, 0, side, side).convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = strip.pixel(0, strip.height() - 1) | 0xff000000U;
    for (int y = 0; y < glyph.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(glyph.scanLine(y));
        for (int x = 0; x < glyph.width(); ++x)
            if ((line[x] | 0xff000000U) == transparent) line[x] = qRgba(0, 0, 0, 0);
    }
    return glyph;
}

GlyphButton::GlyphButton(const QString& caption, const QImage& glyphStrip, QWidget* parent)
    : QPushButton(caption, parent),
      normalGlyph_(GlyphCell(glyphStrip, 0)),
      disabledGlyph_(GlyphCell(glyphStrip, 1)) {}

QRect GlyphButton::InnerRect() const {
    return rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
}

// Glyph, gap and caption are centred together as one block; each is centred vertically.
QRect GlyphButton::GlyphRect() const {
    const QRect inner = InnerRect();
    const int side = normalGlyph_.height();
    const int captionWidth = fontMetrics().horizontalAdvance(text());
    const int left = (inner.width() - (side + GlyphGap + captionWidth) + 1) / 2;
    const int top = (inner.height() - side + 1) / 2;
    return QRect(inner.left() + left, inner.top() + top, side, side);
}

QRect GlyphButton::CaptionRect() const {
    const QRect inner = InnerRect();
    const QFontMetrics metrics = fontMetrics();
    const int height = metrics.height();
    const int top = (inner.height() - height + 1) / 2;
    return QRect(GlyphRect().right() + 1 + GlyphGap, inner.top() + top,
                 metrics.horizontalAdvance(text()), height);
}

void GlyphButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint(0, 0);
    painter.drawImage(GlyphRect().topLeft() + shift, isEnabled() ? normalGlyph_ : disabledGlyph_);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const QRect caption = CaptionRect().translated(shift);
    painter.drawText(caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = InnerRect().adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

}  // namespace morvanta
