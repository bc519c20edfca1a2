#include "ui/web/web_plot.h"

#include <emscripten.h>

#include <algorithm>
#include <utility>

#include "plot/zoom.h"

// Draws the text with the browser's font into the buffer (0xffRRGGBB words) on a brush
// background; the size of the box it filled, width << 16 | height.
EM_JS(int, morvanta_plot_text,
      (std::uint32_t * bits, int x, int y, const char* text, const char* face, int points,
       int fontRgb, int brushRgb),
      {
          return Module.plotText(bits, x, y, UTF8ToString(text), UTF8ToString(face), points,
                                 fontRgb, brushRgb);
      });

namespace morvanta {
namespace {

int Rgb(Color c) { return c.red << 16 | c.green << 8 | c.blue; }

}  // namespace

void WebPlot::TextOut(int x, int y, const std::string& text) {
    const int box = morvanta_plot_text(Bits(), x, y, text.c_str(), FontFace().c_str(), FontPoints(),
                                       Rgb(FontColor()), Rgb(BrushColor()));
    Changed(ClipToSurface({x, y, x + (box >> 16), y + (box & 0xffff)}));
}

void WebPlot::Changed(const PixelRect& rect) {
    if (rect.Empty()) return;
    if (changed_.Empty()) {
        changed_ = rect;
        return;
    }
    changed_ = {std::min(changed_.left, rect.left), std::min(changed_.top, rect.top),
                std::max(changed_.right, rect.right), std::max(changed_.bottom, rect.bottom)};
}

const std::uint8_t* WebPlot::RgbaOf(const PixelRect& rect) {
    rgba_.clear();
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) {
            const Color c = ColorAt(x, y);
            rgba_.insert(rgba_.end(), {c.red, c.green, c.blue, 0xff});
        }
    return rgba_.data();
}

const std::uint8_t* WebPlot::ZoomedRgba(int rows, double factor) {
    const PixelBlock block = ZoomPixels(Bits(), MapWidth, rows, factor);
    rgba_.resize(block.pixels.size() * 4);
    auto out = rgba_.begin();
    for (const std::uint32_t word : block.pixels) {
        *out++ = static_cast<std::uint8_t>(word >> 16);
        *out++ = static_cast<std::uint8_t>(word >> 8);
        *out++ = static_cast<std::uint8_t>(word);
        *out++ = 0xff;
    }
    return rgba_.data();
}

PixelRect WebPlot::TakeChanged() { return std::exchange(changed_, PixelRect{}); }

}  // namespace morvanta
