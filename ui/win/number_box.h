#pragma once

#include <windows.h>

#include <string>

namespace morvanta {

// A single-line edit box that a run writes numbers into. The user may edit it; a run draws
// each new number straight onto the box's own surface (a standard edit's text change and
// repaint costs a thousand times a step of the plot), copying only the digits that changed
// from digits drawn once, and hands the box its text at the few moments it may have to
// repaint it itself.
class NumberBox {
public:
    NumberBox(HWND parent, int id, RECT place, HFONT font);
    HWND Handle() const { return edit_; }
    // Puts the number on the screen before it returns.
    void ShowNumber(int n);
    // Makes the edit's own text what is shown.
    void SyncText();
    // While held (a run), the box keeps its device context ready for the next number.
    void Hold();
    void Release();

private:
    HWND edit_ = nullptr;
    // Draws the whole number, clearing the rest of the box.
    void DrawAll();

    HDC held_ = nullptr;
    RECT format_{}, client_{};
    // While held: the ten digits drawn once, side by side, for numbers that change a digit.
    HDC digits_ = nullptr;
    HBITMAP digitsBitmap_ = nullptr;
    BITMAPINFO digitsInfo_{};
    void* digitsBits_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    int digitWidth_[10] = {};
    int digitLeft_[10] = {};
    int digitHeight_ = 0;
    bool drawnSinceHold_ = false;
    std::wstring shown_;
    bool synced_ = true;
};

}  // namespace morvanta
