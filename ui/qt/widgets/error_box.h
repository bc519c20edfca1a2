#pragma once

#include <QString>

namespace morvanta {

// An error's text as the error box shows it: with a full stop after a last character whose
// code is above that of ".".
inline QString ErrorBoxText(const QString& errorText) {
    if (!errorText.isEmpty() && errorText.back().unicode() > u'.') return errorText + '.';
    return errorText;
}

// Shows the error in the application's error box (the application's name as its caption, an
// error icon, one OK button) and returns once it is closed.
void ShowErrorBox(const QString& errorText);

}  // namespace morvanta
