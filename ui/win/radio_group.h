#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace morvanta {

// A captioned frame with radio items in columns. The frame and its items are siblings in
// the window, the items right after the frame in the tab order, so that the dialog manager
// moves among them with Tab and the arrow keys; the frame is cut around its items.
class RadioGroup {
public:
    // Creates the frame (a tab stop itself when asked) and its items at a rectangle of the
    // parent's client area; the item first selected is the given one.
    RadioGroup(HWND parent, const wchar_t* caption, const std::vector<std::wstring>& items,
               int columns, RECT place, HFONT font, bool frameIsTabStop, int selected,
               int firstItemId);

    int ItemIndex() const;
    int ItemCount() const { return static_cast<int>(items_.size()); }
    HWND Frame() const { return frame_; }
    HWND Item(int index) const { return items_[static_cast<std::size_t>(index)]; }
    // Whether a command came from one of the items.
    bool Owns(HWND control) const;
    // Selects the item, as a click on it would.
    void Select(int index);
    // Moves the frame and lays its items out again in it, in the font (a zoom's).
    void Place(RECT place, HFONT font);
    // After an item was chosen: only the selected item is a tab stop.
    void SelectionChanged();

    static void RegisterFrameClass(HINSTANCE instance);

private:
    int columns_;
    HWND frame_ = nullptr;
    std::vector<HWND> items_;
};

}  // namespace morvanta
