#pragma once

#include <windows.h>

#include <cmath>

namespace morvanta {

// The window is laid out for a default font whose characters are 12 pixels high. Where the
// system's window font measures another height (a screen of more dots per inch) every
// position and size grows or shrinks with it.
class LayoutScale {
public:
    static constexpr int DesignCellHeight = 12;

    explicit LayoutScale(int cellHeight) : factor_(double(cellHeight) / DesignCellHeight) {}

    // The same layout drawn this many times its size.
    LayoutScale Zoomed(double zoom) const { return LayoutScale(factor_ * zoom, 0); }

    double Factor() const { return factor_; }
    int operator()(int designed) const { return int(std::lround(designed * factor_)); }
    RECT Rect(int left, int top, int width, int height) const {
        const int x = (*this)(left);
        const int y = (*this)(top);
        return RECT{x, y, x + (*this)(width), y + (*this)(height)};
    }

private:
    LayoutScale(double factor, int) : factor_(factor) {}

    double factor_;
};

}  // namespace morvanta
