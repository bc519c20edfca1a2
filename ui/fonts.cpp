#include "ui/fonts.h"

#include <QStringList>

namespace morvanta {

void InstallFontSubstitutes() {
    // Fontconfig maps none of the Japanese names, so the IPA faces are named here; the
    // last resort of each list is a face every Debian desktop has.
    QFont::insertSubstitutions(
        ProportionalGothic, QStringList{"IPAPGothic", "IPA P Gothic", "VL PGothic", "DejaVu Sans"});
    QFont::insertSubstitutions(
        FixedGothic, QStringList{"IPAGothic", "IPA Gothic", "VL Gothic", "DejaVu Sans Mono"});
    QFont::insertSubstitutions(SerifFace, QStringList{"Liberation Serif", "Tinos", "DejaVu Serif"});
    // Nothing matches Arial Black's metrics; Lato Black is the nearest heavy face.
    QFont::insertSubstitutions(
        HeavySans, QStringList{"Lato Black", "Lato", "Roboto Black", "Inter Black", "DejaVu Sans"});
}

QFont DesignFont(const QString& family, int pixelHeight, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelHeight);
    if (family == HeavySans)
        font.setWeight(QFont::Black);
    else
        font.setBold(bold);
    return font;
}

}  // namespace morvanta
