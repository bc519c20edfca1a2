#pragma once

#include <QRadioButton>

namespace morvanta {

// One item of a radio group, as the classic desktop has it: a click anywhere in its
// rectangle selects it, and the arrow keys ask the group for the next or previous item.
class RadioItem : public QRadioButton {
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

signals:
    // Down or Right asks for the next item (+1), Up or Left for the previous one (-1).
    void StepRequested(int step);

protected:
    bool hitButton(const QPoint& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace morvanta
