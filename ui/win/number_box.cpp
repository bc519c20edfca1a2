#include "ui/win/number_box.h"

#include <string_view>

namespace morvanta {
namespace {

// n in decimal, as std::to_wstring writes it, without a formatted print's cost in each step.
std::wstring_view Decimal(int n, wchar_t (&text)[12]) {
    wchar_t* const end = text + 12;
    wchar_t* at = end;
    unsigned magnitude = n < 0 ? 0u - static_cast<unsigned>(n) : static_cast<unsigned>(n);
    do {
        *--at = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (n < 0) *--at = L'-';
    return {at, static_cast<std::size_t>(end - at)};
}

}  // namespace

NumberBox::NumberBox(HWND parent, int id, RECT place, HFONT font) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    edit_ = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", L"",
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL,
        place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void NumberBox::Hold(DisplayFrames& frames) {
    frames_ = &frames;
    if (held_) return;
    held_ = GetDC(edit_);
    drawn_ = false;  // the box shows what the edit or the user put there
    // The edit's font now: a zoom gives the box another.
    SelectObject(held_, reinterpret_cast<HFONT>(SendMessageW(edit_, WM_GETFONT, 0, 0)));
    SetTextColor(held_, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(held_, GetSysColor(COLOR_WINDOW));
    // Where the edit itself would put its text: its formatting rectangle.
    SendMessageW(edit_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format_));
    GetClientRect(edit_, &client_);
}

void NumberBox::Release() {
    if (!held_) return;
    SendChanges();
    SyncText();
    ReleaseDC(edit_, held_);
    held_ = nullptr;
    frames_ = nullptr;
}

void NumberBox::ShowNumber(int n) {
    wchar_t text[12];
    shown_.assign(Decimal(n, text));
    drawn_ = false;
    synced_ = false;
    if (frames_) {
        frames_->Tick();
        return;
    }
    DisplayFrames once({this});
    Hold(once);
    Release();
}

void NumberBox::SendChanges() {
    if (!held_ || drawn_) return;
    // One opaque text call draws the digits and clears the rest of the box.
    ExtTextOutW(held_, format_.left, format_.top, ETO_OPAQUE, &client_, shown_.c_str(),
                static_cast<UINT>(shown_.size()), nullptr);
    drawn_ = true;
}

void NumberBox::SyncText() {
    if (synced_) return;
    synced_ = true;
    SetWindowTextW(edit_, shown_.c_str());
}

}  // namespace morvanta
