#include "ui/qt/widgets/number_box.h"

#include <QPainter>
#include <QStyleOptionFrame>
#include <algorithm>

namespace morvanta {
namespace {

// The line edit's own margins around its text line, in pixels.
constexpr int LineEditHorizontalMargin = 2;

}  // namespace

void NumberBox::ShowNumber(int n) {
    number_ = QString::number(n);
    textBehind_ = true;
    PacedScreen::Changed(*this, *this);
}

void NumberBox::SyncText() {
    if (!textBehind_) return;
    if (quiet_ && told_.isValid() && told_.elapsed() < QuietIntervalMs) return;
    if (quiet_) told_.start();
    textBehind_ = false;
    setText(number_);
}

void NumberBox::SetQuiet(bool quiet) {
    quiet_ = quiet;
    told_.invalidate();
    if (!quiet) SyncText();
}

void NumberBox::CatchUp() {
    SyncText();
    if (textBehind_) update();
}

bool NumberBox::event(QEvent* event) {
    SyncText();
    return QLineEdit::event(event);
}

void NumberBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!textBehind_) return;
    // The number not yet the text, where and as the line edit draws a text of its own: on its
    // text line, centred vertically in the contents, in the text colour; left-aligned where it
    // fits, else scrolled so that its end, where the cursor is, shows.
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                               .marginsRemoved(textMargins());
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = std::max(metrics.boundingRect(number_).height(), metrics.height());
    const QRect line(contents.x() + LineEditHorizontalMargin,
                     contents.y() + (contents.height() - lineHeight + 1) / 2,
                     contents.width() - 2 * LineEditHorizontalMargin, lineHeight);
    const int width = qRound(QFontMetricsF(font()).horizontalAdvance(number_));
    const int scroll = width + 1 <= line.width() ? 0 : width - line.width() + 1;
    QPainter painter(this);
    painter.setClipRect(contents);
    painter.fillRect(line, palette().brush(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(line.topLeft() + QPoint(-scroll, metrics.ascent()), number_);
}

}  // namespace morvanta
