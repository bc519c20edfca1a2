#pragma once

#include <QColor>

namespace morvanta {

// The smallest contrast a caption needs against its background to be read (WCAG 2.1 AA for
// normal text).
inline constexpr double LeastCaptionContrast = 4.5;

// The relative luminance of an sRGB colour, 0 for black to 1 for white (WCAG 2.1).
double RelativeLuminance(const QColor& color);

// The contrast ratio of two colours, 1 (none) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// A caption's colour on a background of the desktop's colour scheme: the designed colour
// where it stands out enough, else the scheme's own text colour for that background.
QColor ReadableCaption(const QColor& designed, const QColor& background, const QColor& schemeText);

}  // namespace morvanta
