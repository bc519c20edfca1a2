#pragma once

#include <QColor>

#include "plot/plot_surface.h"

namespace morvanta {

// The window uses the plot's named colours (navy, white, black, …); this is their Qt form.
inline QColor ToQColor(Color color) { return QColor(color.red, color.green, color.blue); }

}  // namespace morvanta
