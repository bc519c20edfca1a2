#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace morvanta {

// A push button that shows a glyph beside its caption. It stays a BUTTON of the push or
// default-push kind, so the dialog manager clicks it on Enter and Space as any other; only
// its painting is its own.
class GlyphButton {
public:
    // The glyph strip is a bitmap resource: two 18 x 18 cells, olive marking the see-through
    // pixels. The caption is drawn in the button's font (WM_SETFONT).
    GlyphButton(HWND parent, int id, const wchar_t* caption, int glyphResource, RECT place,
                HFONT font, bool isDefault);
    HWND Handle() const { return button_; }

private:
    static LRESULT CALLBACK Proc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    HWND button_ = nullptr;
    WNDPROC original_ = nullptr;
    std::vector<std::uint32_t> glyph_;  // the left cell, see-through pixels in button face
};

}  // namespace morvanta
