#include "ui/qt/widgets/announcer.h"

#include <QAccessible>

#include "ui/qt/widgets/accessible_role.h"

namespace morvanta {

Announcer::Announcer(QWidget& window) : QWidget(&window) {
    setObjectName("Announcer");
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);  // nothing of it is on the screen
    SetAccessibleRole(*this, QAccessible::Notification);
    hide();
}

void Announcer::Announce(const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(parentWidget(), text);
    QAccessible::updateAccessibility(&event);
#else
    hide();
    setAccessibleName(text);
    show();
#endif
}

}  // namespace morvanta
