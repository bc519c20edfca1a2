#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace morvanta {

// The window's designed font families. The desktop they were chosen on has them; elsewhere
// InstallFontSubstitutes maps each to the nearest faces found on Linux.
inline const QString ProportionalGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString FixedGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString HeavySans = QStringLiteral("Arial Black");

void InstallFontSubstitutes();

// What a font is to draw: any text, or only the window's own captions, all of whose
// characters its face has.
enum class FontText { Any, Captions };

// A font of the family, asked for by the first of its substitutes this machine has (the
// family itself where it has none). It draws exactly what a font of the family draws, but
// the font database no longer searches, for every font made, for a family the machine does
// not have. For any text the family's substitutes come first among the faces tried for a
// character the face lacks, as they would for the family; captions never need such a face,
// so their fonts leave the search for one until a character is missing (saving a fontconfig
// sort of every face while the window starts).
QFont InstalledFont(const QString& family, FontText text = FontText::Any);

// A font of a designed family at a character height in pixels (the height without the
// internal leading).
QFont DesignFont(const QString& family, int pixelHeight, bool bold = false,
                 FontText text = FontText::Any);

}  // namespace morvanta
