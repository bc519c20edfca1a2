#pragma once

#include <QString>
#include <QWidget>

namespace morvanta {

// Says a short text through a screen reader without moving the keyboard focus: the end of a
// run, an option switched on or off.
//
// Where the toolkit has announcements (Qt 6.8 and later) it is one; before that, the text is
// the name of a notification, an empty widget in the window that is shown for it, and a
// screen reader speaks a notification that appears. It stays shown, and hides only to appear
// again with the next text.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget& window);

    void Announce(const QString& text);
};

}  // namespace morvanta
