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

void NumberBox::ShowNumber(int n) {
    shown_ = std::to_wstring(n);
    synced_ = false;
    // Where the edit itself would put its text: its formatting rectangle.
    RECT format{};
    SendMessageW(edit_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    RECT client;
    GetClientRect(edit_, &client);
    HDC dc = GetDC(edit_);
    const HGDIOBJ old = SelectObject(dc, font_);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    // One opaque text call paints the digits and clears the rest of the box.
    ExtTextOutW(dc, format.left, format.top, ETO_OPAQUE, &client, shown_.c_str(),
                static_cast<UINT>(shown_.size()), nullptr);
    SelectObject(dc, old);
    ReleaseDC(edit_, dc);
}

void NumberBox::SyncText() {
    if (synced_) return;
    synced_ = true;
    SetWindowTextW(edit_, shown_.c_str());
}

}  // namespace morvanta
