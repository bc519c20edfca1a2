#pragma once

#include <QStringList>
#include <vector>

namespace morvanta {

// Makes the program's own font configuration the one fontconfig uses, before the toolkit
// first asks it for fonts. The window draws in a handful of faces chosen by name, so it
// needs neither the desktop's whole font list nor its many rules for choosing a face by
// likeness: the configuration lists only the faces of every choice, from the usual font
// folders and caches, with the rendering rules the desktop's configuration applies to them
// (grey-level anti-aliasing, slight hinting, the default LCD filter, bold made from the
// regular face where a face has no bold) and the generic families on the DejaVu faces. The
// administrator's local.conf and the user's own fonts.conf still apply. Loading the desktop's
// configuration (dozens of rule files, every font installed) and matching every face
// against it is most of the cost of the window's first frame; this one is loaded many
// times faster and draws the window's faces pixel for pixel as the desktop's would.
// Returns false and changes nothing where the user has chosen a configuration
// (FONTCONFIG_FILE or FONTCONFIG_PATH), or where for some choice none of its faces is
// found this way: fontconfig then loads the desktop's configuration as it would anyway.
bool UseProgramFontConfiguration(const std::vector<QStringList>& faceChoices);

}  // namespace morvanta
