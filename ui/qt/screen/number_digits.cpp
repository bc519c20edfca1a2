#include "ui/qt/screen/number_digits.h"

#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <vector>

namespace morvanta {
namespace {

// The line edit starts its text a few pixels inside its contents rectangle.
constexpr int MaxTextIndent = 4;
// A number that fills the text area is scrolled a pixel or two to make room for the cursor.
constexpr int MaxScroll = 2;
constexpr int DigitCount = 10;
constexpr int None = 10;  // no digit before, or the end of the number

// A line edit whose style option is at hand, to find where it draws its text.
class LineEditModel : public QLineEdit {
public:
    using QLineEdit::initStyleOption;
};

QImage RenderedBox(LineEditModel& model, const QString& text) {
    model.setText(text);
    QImage image(model.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    model.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

int DigitOf(QChar c) { return c.unicode() - u'0'; }
QString DigitText(int d) { return QString(QChar(u'0' + d)); }

}  // namespace

NumberDigits::NumberDigits(const QLineEdit& box) : box_(box), canvas_(box) {}

NumberDigits::~NumberDigits() { canvas_.Release(pixmap_); }

void NumberDigits::Forget() {
    canvas_.Release(pixmap_);
    pixmap_ = 0;
    state_ = State::Stale;
    onScreen_.clear();
}

QRect NumberDigits::Cell(int before, int digit) const {
    return {digit * advance_, before * textArea_.height(), advance_, textArea_.height()};
}

QPoint NumberDigits::Place(int place, qsizetype length) const {
    return {textLeft_ - scroll_[static_cast<std::size_t>(length)] + place * advance_,
            textArea_.top()};
}

template <typename CopyCell>
void NumberDigits::ComposeCells(const QString& number, qsizetype from, CopyCell copy) const {
    for (auto place = static_cast<int>(from); place <= number.size(); ++place) {
        const int before = place == 0 ? None : DigitOf(number[place - 1]);
        const int digit = place == number.size() ? None : DigitOf(number[place]);
        // The line edit draws nothing outside its text area.
        const QPoint at = Place(place, number.size());
        const QRect shown = QRect(at, Cell(before, digit).size()) & textArea_;
        if (!shown.isEmpty())
            copy(QRect(Cell(before, digit).topLeft() + (shown.topLeft() - at), shown.size()),
                 shown.topLeft());
    }
}

bool NumberDigits::Show(const QString& number) {
    const bool digits =
        !number.isEmpty() && number.size() <= MaxDigits &&
        (state_ != State::Ready || number.size() <= directDigits_) &&
        std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!digits || !canvas_.Begin()) return false;
    if (state_ == State::Stale) state_ = Render() ? State::Ready : State::Unusable;
    if (state_ != State::Ready || number.size() > directDigits_) return false;

    // Cells before the first difference are already there, unless the text scrolled.
    if (!onScreen_.isEmpty() && scroll_[static_cast<std::size_t>(onScreen_.size())] !=
                                    scroll_[static_cast<std::size_t>(number.size())])
        onScreen_.clear();
    qsizetype same = 0;
    if (onScreen_.isEmpty())
        canvas_.Fill(textArea_, base_);
    else
        while (same < std::min(onScreen_.size(), number.size()) && onScreen_[same] == number[same])
            ++same;
    ComposeCells(number, same,
                 [this](const QRect& cell, QPoint at) { canvas_.CopyFrom(pixmap_, cell, at); });
    const int end = std::min(Place(static_cast<int>(number.size()) + 1, number.size()).x(),
                             textArea_.right() + 1);
    const int oldEnd = std::min(Place(static_cast<int>(onScreen_.size()) + 1, onScreen_.size()).x(),
                                textArea_.right() + 1);
    if (!onScreen_.isEmpty() && oldEnd > end)
        canvas_.Fill(QRect(end, textArea_.top(), oldEnd - end, textArea_.height()), base_);
    canvas_.Flush();
    onScreen_ = number;
    return true;
}

QImage NumberDigits::Composed(const QImage& empty, const QImage& strip,
                              const QString& digits) const {
    QImage composed = empty.copy();
    QPainter painter(&composed);
    ComposeCells(digits, 0,
                 [&](const QRect& cell, QPoint at) { painter.drawImage(at, strip, cell); });
    return composed;
}

bool NumberDigits::Render() {
    LineEditModel model;
    model.setStyle(box_.style());
    model.setFont(box_.font());
    // The colours the box paints with now, whatever state the model is in.
    QPalette palette = box_.palette();
    const QPalette::ColorGroup group = palette.currentColorGroup();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto r = static_cast<QPalette::ColorRole>(role);
        palette.setBrush(QPalette::All, r, box_.palette().brush(group, r));
    }
    model.setPalette(palette);
    model.setTextMargins(box_.textMargins());
    model.setAlignment(box_.alignment());
    model.setFrame(box_.hasFrame());
    model.setReadOnly(box_.isReadOnly());
    model.setLayoutDirection(box_.layoutDirection());
    model.resize(box_.size());
    model.ensurePolished();

    QStyleOptionFrame option;
    model.initStyleOption(&option);
    textArea_ = model.style()
                    ->subElementRect(QStyle::SE_LineEditContents, &option, &model)
                    .marginsRemoved(box_.textMargins());
    if (textArea_.isEmpty() || box_.layoutDirection() != Qt::LeftToRight ||
        !(box_.alignment() & Qt::AlignLeft))
        return false;

    // Every digit equally and wholly pixels wide.
    const QFontMetricsF metrics(box_.font());
    const qreal advance = metrics.horizontalAdvance(QChar(u'0'));
    for (int d = 1; d < DigitCount; ++d)
        if (metrics.horizontalAdvance(QChar(u'0' + d)) != advance) return false;
    advance_ = static_cast<int>(advance);
    if (advance_ != advance || advance_ <= 0) return false;

    const QImage empty = RenderedBox(model, QString());
    base_ = empty.pixel(textArea_.topLeft());
    for (int y = textArea_.top(); y <= textArea_.bottom(); ++y)
        for (int x = textArea_.left(); x <= textArea_.right(); ++x)
            if (empty.pixel(x, y) != base_) return false;
    // Each digit alone, and after each digit: every cell at places 0 to 2.
    std::vector<QImage> alone, pairs;
    for (int d = 0; d < DigitCount; ++d) alone.push_back(RenderedBox(model, DigitText(d)));
    for (int a = 0; a < DigitCount; ++a)
        for (int b = 0; b < DigitCount; ++b)
            pairs.push_back(RenderedBox(model, DigitText(a) + DigitText(b)));
    // Numbers of each length, every digit at every place; a number that fills the text area
    // is scrolled by the line edit, and numbers that long are left to it.
    const QString samples[MaxDigits][6] = {{"0", "1", "7"},
                                           {"42", "19", "80"},
                                           {"999", "357", "246", "108", "111", "620"},
                                           {"0123", "4567", "8901", "2345", "6789", "1000"}};
    std::vector<QImage> sampleLooks[MaxDigits];
    for (int length = 0; length < MaxDigits; ++length)
        for (const QString& sample : samples[length])
            if (!sample.isEmpty()) sampleLooks[length].push_back(RenderedBox(model, sample));

    // Where the cells begin is the line edit's own business: the first start near the text
    // area's edge whose cells compose every sample exactly is the one.
    for (int indent = 0; indent <= MaxTextIndent; ++indent) {
        textLeft_ = textArea_.left() + indent;
        scroll_ = {};
        if (Place(MaxDigits, MaxDigits).x() > textArea_.right()) return false;
        QImage strip(advance_ * (DigitCount + 1), textArea_.height() * (DigitCount + 1),
                     QImage::Format_RGB32);
        strip.fill(base_);
        QPainter painter(&strip);
        const auto take = [&](const QImage& from, int before, int digit, int place) {
            painter.drawImage(Cell(before, digit).topLeft(), from,
                              QRect(Place(place, place + 1), Cell(before, digit).size()));
        };
        for (int d = 0; d < DigitCount; ++d) {
            take(alone[static_cast<std::size_t>(d)], None, d, 0);
            take(alone[static_cast<std::size_t>(d)], d, None, 1);
            for (int b = 0; b < DigitCount; ++b)
                take(pairs[static_cast<std::size_t>(d * DigitCount + b)], d, b, 1);
        }
        painter.end();
        directDigits_ = 0;
        for (bool exact = true; exact && directDigits_ < MaxDigits; directDigits_ += exact) {
            const auto& looks = sampleLooks[directDigits_];
            auto& scroll = scroll_[static_cast<std::size_t>(directDigits_ + 1)];
            for (scroll = 0; scroll <= MaxScroll; ++scroll) {
                exact = true;
                for (std::size_t i = 0; exact && i < looks.size(); ++i)
                    exact = Composed(empty, strip, samples[directDigits_][i]) == looks[i];
                if (exact) break;
            }
        }
        if (directDigits_ == 0) continue;
        pixmap_ = canvas_.Upload(strip);
        return pixmap_ != 0;
    }
    return false;
}

}  // namespace morvanta
