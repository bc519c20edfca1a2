#include "ui/qt/widgets/fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>
#include <utility>
#include <vector>

#include "plot/phase_plot.h"

namespace morvanta {

namespace {

// Fontconfig maps none of the Japanese names, so the IPA faces are named here; the last
// resort of each list is a face every Debian desktop has.
std::vector<std::pair<QString, QStringList>> DesignFamilySubstitutes() {
    return {
        {ProportionalGothic, {"IPAPGothic", "IPA P Gothic", "VL PGothic", "DejaVu Sans"}},
        {FixedGothic, {"IPAGothic", "IPA Gothic", "VL Gothic", "DejaVu Sans Mono"}},
        {QString::fromLatin1(LabelFace), {"Liberation Serif", "Tinos", "DejaVu Serif"}},
        // Nothing matches Arial Black's metrics; Lato Black is the nearest heavy face.
        {HeavySans, {"Lato Black", "Lato", "Roboto Black", "Inter Black", "DejaVu Sans"}},
    };
}

}  // namespace

void InstallFontSubstitutes() {
    for (const auto& [family, substitutes] : DesignFamilySubstitutes())
        QFont::insertSubstitutions(family, substitutes);
}

QFont InstalledFont(const QString& family, FontText text) {
    static QHash<QString, QString> faces;
    auto face = faces.constFind(family);
    if (face == faces.constEnd()) {
        const QStringList installed = QFontDatabase::families();
        QString found = family;
        if (!installed.contains(family, Qt::CaseInsensitive))
            for (const QString& substitute : QFont::substitutes(family))
                if (installed.contains(substitute, Qt::CaseInsensitive)) {
                    found = substitute;
                    break;
                }
        face = faces.insert(family, found);
    }
    QFont font(*face);
    if (*face != family && text == FontText::Any)
        font.setFamilies(QStringList{*face} + QFont::substitutes(family));
    return font;
}

QFont DesignFont(const QString& family, int pixelHeight, bool bold, FontText text) {
    QFont font = InstalledFont(family, text);
    font.setPixelSize(pixelHeight);
    if (family == HeavySans)
        font.setWeight(QFont::Black);
    else
        font.setBold(bold);
    return font;
}

}  // namespace morvanta
