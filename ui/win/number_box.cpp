#include "ui/win/number_box.h"

namespace morvanta {

NumberBox::NumberBox(HWND parent, int id, RECT place, HFONT font) : font_(font) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    edit_ = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", L"",
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL,
        place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void NumberBox::Hold() {
    if (held_) return;
    held_ = GetDC(edit_);
    SelectObject(held_, font_);
    SetTextColor(held_, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(held_, GetSysColor(COLOR_WINDOW));
    // Where the edit itself would put its text: its formatting rectangle.
    SendMessageW(edit_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format_));
    GetClientRect(edit_, &client_);
}

void NumberBox::Release() {
    if (!held_) return;
    ReleaseDC(edit_, held_);
    held_ = nullptr;
}

void NumberBox::ShowNumber(int n) {
    shown_ = std::to_wstring(n);
    synced_ = false;
    const bool held = held_ != nullptr;
    if (!held) Hold();
    // One opaque text call paints the digits and clears the rest of the box.
    ExtTextOutW(held_, format_.left, format_.top, ETO_OPAQUE, &client_, shown_.c_str(),
                static_cast<UINT>(shown_.size()), nullptr);
    if (!held) Release();
}

void NumberBox::SyncText() {
    if (synced_) return;
    synced_ = true;
    SetWindowTextW(edit_, shown_.c_str());
}

}  // namespace morvanta
