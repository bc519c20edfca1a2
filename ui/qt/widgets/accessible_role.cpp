#include "ui/qt/widgets/accessible_role.h"

#include <QAccessibleWidget>
#include <QVariant>

namespace morvanta {
namespace {

constexpr const char* RoleProperty = "morvantaAccessibleRole";

QAccessibleInterface* RoleFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    const QVariant role = widget->property(RoleProperty);
    if (!role.isValid()) return nullptr;
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void SetAccessibleRole(QWidget& widget, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(RoleFactory);
        return true;
    }();
    (void)installed;
    widget.setProperty(RoleProperty, static_cast<int>(role));
    // An interface made before (a label makes one when it is given its text) has the role of
    // the widget's class: it goes, and the next query makes one with this role.
    QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget);
    if (made && made->role() != role)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace morvanta
