#pragma once

#include <QLineEdit>
#include <memory>

#include "ui/qt/screen/number_digits.h"
#include "ui/qt/screen/paced_screen.h"

namespace morvanta {

// An edit box that shows numbers from a run. The user can edit it like any other; what
// ShowNumber puts in it is on the screen before the call returns where it can go straight to
// X, else with the display's next frame.
//
// Runs show a new number after every step, and a line edit's own text handling and painting
// cost several times more than the rest of a step. So on an X display, while the box has
// neither focus nor a selection, a new number goes straight to the screen as the box's own
// digits, and the text follows later: before the box handles any event (a paint, focus,
// a key, a query from assistive technology) and whenever SyncText is called. Elsewhere the
// text follows at the display's pace (PacedScreen), and so does what the screen shows.
class NumberBox : public QLineEdit, private PacedPart {
    Q_OBJECT

public:
    explicit NumberBox(QWidget* parent = nullptr);
    ~NumberBox() override;

    void ShowNumber(int n);
    // Makes the text the number last shown.
    void SyncText();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CatchUp() override { SyncText(); }

    QString number_;
    bool textBehind_ = false;
    bool repaintPending_ = false;
    std::unique_ptr<NumberDigits> digits_;
};

}  // namespace morvanta
