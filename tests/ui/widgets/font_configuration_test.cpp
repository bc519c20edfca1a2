// The program's own font configuration: used where every designed family has a face, and
// then holding only those faces; left alone where the user named a configuration or a
// family has no face. That it draws what the desktop's configuration draws is checked on
// the screen, by the hostile-environment tests.

#include "ui/widgets/font_configuration.h"

#include <fontconfig/fontconfig.h>

#include <QTest>
#include <algorithm>

#include "ui/widgets/fonts.h"

namespace morvanta {

class FontConfigurationTest : public QObject {
    Q_OBJECT

private slots:
    void refusedWhereAFamilyHasNoFace() {
        QVERIFY(!UseProgramFontConfiguration({{"IPAGothic"}, {"No Such Face", "Nor This"}}));
    }

    void refusedWhereTheUserNamedAConfiguration() {
        qputenv("FONTCONFIG_FILE", "/etc/fonts/fonts.conf");
        const bool used = UseProgramFontConfiguration(DesignFaceChoices());
        qunsetenv("FONTCONFIG_FILE");
        QVERIFY(!used);
    }

    // Last: it makes the program's configuration the process's current one.
    void holdsOnlyTheDesignedFaces() {
        QVERIFY(UseProgramFontConfiguration(DesignFaceChoices()));
        QStringList faces;
        for (const QStringList& choice : DesignFaceChoices()) faces += choice;

        FcPattern* all = FcPatternCreate();
        FcObjectSet* family = FcObjectSetBuild(FC_FAMILY, nullptr);
        FcFontSet* fonts = FcFontList(nullptr, all, family);
        QVERIFY(fonts != nullptr && fonts->nfont > 0);
        for (int i = 0; i < fonts->nfont; ++i) {
            QStringList names;
            FcChar8* name = nullptr;
            for (int n = 0;
                 FcPatternGetString(fonts->fonts[i], FC_FAMILY, n, &name) == FcResultMatch; ++n)
                names << QString::fromUtf8(reinterpret_cast<const char*>(name));
            const bool designed = std::any_of(names.begin(), names.end(), [&](const QString& n) {
                return faces.contains(n, Qt::CaseInsensitive);
            });
            QVERIFY2(designed, qPrintable(names.join(", ")));
        }
        FcFontSetDestroy(fonts);
        FcObjectSetDestroy(family);
        FcPatternDestroy(all);
        FcFini();  // as the toolkit's font database does when it goes
    }
};

}  // namespace morvanta

QTEST_APPLESS_MAIN(morvanta::FontConfigurationTest)
#include "font_configuration_test.moc"
