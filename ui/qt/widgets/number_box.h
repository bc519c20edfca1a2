#pragma once

#include <QLineEdit>

#include "ui/qt/screen/paced_screen.h"

namespace morvanta {

// An edit box that shows numbers from a run. The user can edit it like any other; what
// ShowNumber puts in it goes to the screen with the display's next frame (PacedScreen).
//
// Runs show a new number after every step, and a line edit's own text handling costs more
// than the rest of a step: the box holds the number and takes it as its text at the next
// frame, before it handles any event (a paint, focus, a key, a query from assistive
// technology) and whenever SyncText is called.
class NumberBox : public QLineEdit, private PacedPart {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    void ShowNumber(int n);
    // Makes the text the number last shown.
    void SyncText();

protected:
    bool event(QEvent* event) override;

private:
    void CatchUp() override { SyncText(); }

    QString number_;
    bool textBehind_ = false;
};

}  // namespace morvanta
