#pragma once

#include <QRect>
#include <cmath>

namespace morvanta {

// The window is laid out for a default font whose character cell is 12 pixels high. On a
// system whose cell is another height every position and size grows or shrinks with it.
class LayoutScale {
public:
    static constexpr int DesignCellHeight = 12;

    // Whether a measured cell can lay the window out: a system with no usable font reports
    // none (zero or less), and a cell far from the design's is more likely a broken font
    // setup than a screen that needs the window that much smaller or larger.
    static constexpr bool UsableCellHeight(int cellHeight) {
        return cellHeight >= DesignCellHeight / 2 && cellHeight <= DesignCellHeight * 8;
    }

    explicit LayoutScale(int cellHeight) : factor_(double(cellHeight) / DesignCellHeight) {}

    double Factor() const { return factor_; }
    int operator()(int designed) const { return int(std::lround(designed * factor_)); }
    QRect Rect(int left, int top, int width, int height) const {
        return QRect((*this)(left), (*this)(top), (*this)(width), (*this)(height));
    }

private:
    double factor_;
};

}  // namespace morvanta
