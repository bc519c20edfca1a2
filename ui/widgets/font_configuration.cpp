#include "ui/widgets/font_configuration.h"

#include <fontconfig/fontconfig.h>

#include <QByteArray>
#include <QtGlobal>
#include <algorithm>

namespace morvanta {
namespace {

// Each block mirrors what the desktop's configuration (Debian's fonts.conf and conf.d) does
// for the faces listed: where fonts and their caches are, then its rules in its own order.
constexpr char FontFolders[] = R"(
  <dir>/usr/share/fonts</dir>
  <dir>/usr/local/share/fonts</dir>
  <dir prefix="xdg">fonts</dir>
  <dir>~/.fonts</dir>
  <cachedir>/var/cache/fontconfig</cachedir>
  <cachedir prefix="xdg">fontconfig</cachedir>
  <cachedir>~/.fontconfig</cachedir>
)";

constexpr char RenderingAndGenericFamilies[] = R"(
  <match target="pattern"><edit name="hintstyle" mode="append"><const>hintslight</const></edit></match>
  <match target="pattern"><edit name="antialias" mode="append"><bool>true</bool></edit></match>
  <match target="pattern"><edit name="lcdfilter" mode="append"><const>lcddefault</const></edit></match>
  <alias binding="same"><family>Sans Serif</family><prefer><family>DejaVu Sans</family></prefer></alias>
  <alias><family>sans-serif</family><prefer><family>DejaVu Sans</family></prefer></alias>
  <alias><family>serif</family><prefer><family>DejaVu Serif</family></prefer></alias>
  <alias><family>monospace</family><prefer><family>DejaVu Sans Mono</family></prefer></alias>
  <include ignore_missing="yes" prefix="xdg">fontconfig/conf.d</include>
  <include ignore_missing="yes" prefix="xdg">fontconfig/fonts.conf</include>
  <include ignore_missing="yes">/etc/fonts/local.conf</include>
  <match target="font">
    <test name="weight" compare="less_eq"><const>medium</const></test>
    <test target="pattern" name="weight" compare="more_eq"><const>bold</const></test>
    <edit name="embolden" mode="assign"><bool>true</bool></edit>
    <edit name="weight" mode="assign"><const>bold</const></edit>
  </match>
)";

bool HasFace(FcConfig* config, const QString& face) {
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
    const QByteArray name = face.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcFontSet* found = FcFontList(config, pattern, objects);
    const bool has = found != nullptr && found->nfont > 0;
    if (found != nullptr) FcFontSetDestroy(found);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return has;
}

QByteArray ProgramFontConfiguration(const QStringList& faces) {
    QByteArray text =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
        "<fontconfig>";
    text += FontFolders;
    // Only the faces asked for are kept, found by family name wherever they are installed.
    text += "  <selectfont>\n    <acceptfont>\n";
    for (const QString& face : faces)
        text += "      <pattern><patelt name=\"family\"><string>" + face.toHtmlEscaped().toUtf8() +
                "</string></patelt></pattern>\n";
    text += "    </acceptfont>\n    <rejectfont><pattern/></rejectfont>\n  </selectfont>";
    text += RenderingAndGenericFamilies;
    text += "</fontconfig>\n";
    return text;
}

}  // namespace

bool UseProgramFontConfiguration(const std::vector<QStringList>& faceChoices) {
    if (qEnvironmentVariableIsSet("FONTCONFIG_FILE") ||
        qEnvironmentVariableIsSet("FONTCONFIG_PATH"))
        return false;
    QStringList faces;
    for (const QStringList& choice : faceChoices) faces += choice;
    faces.removeDuplicates();

    FcConfig* config = FcConfigCreate();
    if (config == nullptr) return false;
    const QByteArray text = ProgramFontConfiguration(faces);
    bool usable = FcConfigParseAndLoadFromMemory(
                      config, reinterpret_cast<const FcChar8*>(text.constData()), FcTrue) &&
                  FcConfigBuildFonts(config);
    for (const QStringList& choice : faceChoices)
        usable = usable && std::any_of(choice.begin(), choice.end(), [config](const QString& face) {
                     return HasFace(config, face);
                 });
    // The current configuration holds its own reference.
    usable = usable && FcConfigSetCurrent(config);
    FcConfigDestroy(config);
    return usable;
}

}  // namespace morvanta
