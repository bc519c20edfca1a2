#pragma once

#include <QElapsedTimer>
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
//
// Every new text is told to assistive technology, and a screen reader cannot keep up with a
// new number every frame: while the box is quiet (during a run), it takes the number as its
// text at most a few times a second and paints the numbers in between itself, as the line
// edit paints its text; when it stops being quiet it takes the last number.
class NumberBox : public QLineEdit, private PacedPart {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    // How often a quiet box tells assistive technology a new number at most.
    static constexpr int QuietIntervalMs = 400;

    void ShowNumber(int n);
    // Makes the text the number last shown, unless a quiet box told one too recently.
    void SyncText();
    void SetQuiet(bool quiet);
    // The number on the screen, whether or not it is the text yet.
    QString ShownText() const { return textBehind_ ? number_ : text(); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CatchUp() override;

    QString number_;
    bool textBehind_ = false;
    bool quiet_ = false;
    QElapsedTimer told_;  // since the text last changed while quiet
};

}  // namespace morvanta
