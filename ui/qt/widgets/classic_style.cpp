#include "ui/qt/widgets/classic_style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionFrame>

namespace morvanta {

namespace {

// Below this the base style's bevels overlap in ways not worth copying.
constexpr int MinimumFastPanel = 6;

}  // namespace

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create("Windows")) {}

void DrawSunkenPanel(QPainter* painter, const QRect& r, const QPalette& palette,
                     const QBrush* fill) {
    // Outer ring: dark above and left, light below and right; inner ring: shadow above and
    // left, button face below and right. The same pixels as the base style's bevel.
    const int x = r.x(), y = r.y(), w = r.width(), h = r.height();
    painter->fillRect(x, y, w - 1, 1, palette.dark());
    painter->fillRect(x, y + 1, 1, h - 2, palette.dark());
    painter->fillRect(x, y + h - 1, w, 1, palette.light());
    painter->fillRect(x + w - 1, y, 1, h - 1, palette.light());
    painter->fillRect(x + 1, y + 1, w - 3, 1, palette.shadow());
    painter->fillRect(x + 1, y + 2, 1, h - 4, palette.shadow());
    painter->fillRect(x + 1, y + h - 2, w - 2, 1, palette.button());
    painter->fillRect(x + w - 2, y + 1, 1, h - 3, palette.button());
    if (fill) painter->fillRect(x + 2, y + 2, w - 4, h - 4, *fill);
}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element == PE_PanelLineEdit) {
        if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
            frame && frame->lineWidth == 2 && frame->rect.width() >= MinimumFastPanel &&
            frame->rect.height() >= MinimumFastPanel) {
            const QBrush base = frame->palette.brush(QPalette::Base);
            DrawSunkenPanel(painter, frame->rect, frame->palette, &base);
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

}  // namespace morvanta
