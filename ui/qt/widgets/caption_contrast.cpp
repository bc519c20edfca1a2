#include "ui/qt/widgets/caption_contrast.h"

#include <cmath>

namespace morvanta {
namespace {

// One sRGB channel, 0 to 1, made linear.
double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(const QColor& color) {
    const QColor rgb = color.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    const double lighter = la > lb ? la : lb;
    const double darker = la > lb ? lb : la;
    return (lighter + 0.05) / (darker + 0.05);
}

QColor ReadableCaption(const QColor& designed, const QColor& background, const QColor& schemeText) {
    return ContrastRatio(designed, background) >= LeastCaptionContrast ? designed : schemeText;
}

}  // namespace morvanta
