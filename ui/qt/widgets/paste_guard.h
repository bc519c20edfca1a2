#pragma once

#include <QObject>
#include <QWidget>

namespace morvanta {

// Makes pasting into a text box do nothing while the clipboard holds no text; text pastes as
// before. The toolkit's multi-line text box (Qt 6.4) reads the first of the clipboard's
// formats without asking whether there is one, and crashes when it pastes from a clipboard
// that offers none: on X11 that is the clipboard while no program owns it (a fresh session,
// or once the program that copied has ended). The guard watches the paste keys (Ctrl+V,
// Shift+Insert) and the middle button's paste of the selection.
//
// Like the classic desktop's edit boxes, a box takes no more than 32,767 characters from the
// user: a paste that would make the log longer does nothing. (The number boxes keep to it as
// line edits do.) Without it, copying the whole log and pasting it twice, over and over,
// doubles the log each time until memory runs out.
class PasteGuard : public QObject {
    Q_OBJECT

public:
    static constexpr int MostUserCharacters = 32767;

    // Guards the box, and its viewport where a scrolling box takes its mouse; the guard
    // belongs to the box.
    static void Protect(QWidget& box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

}  // namespace morvanta
