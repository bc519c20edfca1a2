#include "ui/qt/widgets/number_box.h"

namespace morvanta {

void NumberBox::ShowNumber(int n) {
    number_ = QString::number(n);
    textBehind_ = true;
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

}  // namespace morvanta
