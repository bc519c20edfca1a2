#include "ui/qt/widgets/number_box.h"

#include <QEvent>

#include "ui/qt/widgets/fault_points.h"

namespace morvanta {

NumberBox::NumberBox(QWidget* parent)
    : QLineEdit(parent), digits_(std::make_unique<NumberDigits>(*this)) {}

NumberBox::~NumberBox() = default;

void NumberBox::ShowNumber(int n) {
    ReachFaultPoint(FaultPoint::NumberBoxShow);
    number_ = QString::number(n);
    textBehind_ = true;
    if (!hasFocus() && !hasSelectedText() && digits_->Show(number_)) {
        // The toolkit's copy of the window still shows the old number: paint the box again
        // once the run lets events through, from the same number.
        if (!repaintPending_) {
            repaintPending_ = true;
            update();
        }
        return;
    }
    PacedScreen::Changed(*this, *this);
}

void NumberBox::SyncText() {
    if (!textBehind_) return;
    textBehind_ = false;
    setText(number_);
}

bool NumberBox::event(QEvent* event) {
    SyncText();
    return QLineEdit::event(event);
}

void NumberBox::paintEvent(QPaintEvent* event) {
    ReachFaultPoint(FaultPoint::NumberBoxPaint);
    QLineEdit::paintEvent(event);
    repaintPending_ = false;
    digits_->ScreenRepainted();
}

void NumberBox::changeEvent(QEvent* event) {
    // Anything that changes how the box looks makes the rendered digits stale.
    switch (event->type()) {
        case QEvent::FontChange:
        case QEvent::PaletteChange:
        case QEvent::StyleChange:
        case QEvent::EnabledChange:
        case QEvent::LayoutDirectionChange:
        case QEvent::ReadOnlyChange:
        case QEvent::ActivationChange:  // the palette's active or inactive colours
            digits_->Forget();
            break;
        default:
            break;
    }
    QLineEdit::changeEvent(event);
}

void NumberBox::resizeEvent(QResizeEvent* event) {
    digits_->Forget();
    QLineEdit::resizeEvent(event);
}

}  // namespace morvanta
