#pragma once

#include <QAccessible>
#include <QWidget>

namespace morvanta {

// Gives the widget the role that assistive technology reports for it (an image, a heading)
// in place of the one its class has. Call before the window is shown; the name and the
// description are still the widget's accessible name and description.
void SetAccessibleRole(QWidget& widget, QAccessible::Role role);

}  // namespace morvanta
