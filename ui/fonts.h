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

// A font of a designed family at a character height in pixels (the height without the
// internal leading).
QFont DesignFont(const QString& family, int pixelHeight, bool bold = false);

}  // namespace morvanta
