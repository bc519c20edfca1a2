#pragma once

#include <QFont>
#include <QString>

#include "plot/phase_plot.h"

namespace morvanta {

// The window's designed font families. The desktop they were chosen on has them; elsewhere
// InstallFontSubstitutes maps each to the nearest faces found on Linux.
inline const QString ProportionalGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString FixedGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString SerifFace = QString::fromLatin1(LabelFace);  // the plot labels' face
inline const QString HeavySans = QStringLiteral("Arial Black");

void InstallFontSubstitutes();

// A font of the family, asked for by the first of its substitutes this machine has (the
// family itself where it has none), with all of them as fallbacks for missing characters
// as before. It draws exactly what a font of the family draws, but the font database no
// longer searches, for every font made, for a family the machine does not have.
QFont InstalledFont(const QString& family);

// A font of a designed family at a character height in pixels (the height without the
// internal leading).
QFont DesignFont(const QString& family, int pixelHeight, bool bold = false);

}  // namespace morvanta
