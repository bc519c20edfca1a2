#pragma once

#include "plot/plot_surface.h"

namespace morvanta {

// The relative luminance of an sRGB colour, 0 (black) to 1 (white), as WCAG 2 defines it.
double RelativeLuminance(Color color);

// How far two colours stand apart in luminance, (lighter + 0.05) / (darker + 0.05): 1 for
// the same colour, 21 for black on white. Text and marks read well at 3 and above.
double ContrastRatio(Color a, Color b);

}  // namespace morvanta
