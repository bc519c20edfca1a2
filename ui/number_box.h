#pragma once

#include <QHash>
#include <QLineEdit>
#include <QPixmap>

namespace morvanta {

// An edit box that shows numbers from a run. The user can edit it like any other; what
// ShowNumber puts in it is on the screen before the call returns.
//
// Runs show a new number after every step, and a line edit's own painting (frame, text
// layout, shaping) costs several times more than the rest of a step. So the box keeps the
// look of each number it has shown, rendered once by the line edit itself, and paints that
// while it has no focus and no selection: the pixels are the line edit's own.
class NumberBox : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    void ShowNumber(int n);
    // How many looks are kept (for tests).
    int KeptLooks() const { return static_cast<int>(looks_.size()); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool ShowsPlainText() const { return !hasFocus() && !hasSelectedText(); }
    // The kept looks were rendered at the box's present size and pixel density.
    bool LooksFit() const;
    QHash<QString, QPixmap> looks_;
    QSize looksSize_;
    qreal looksPixelRatio_ = 0;
    bool renderingLook_ = false;
};

}  // namespace morvanta
