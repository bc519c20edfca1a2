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

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

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

void NumberBox::Hold() {
    if (held_) return;
    held_ = GetDC(edit_);
    drawnSinceHold_ = false;  // the box shows what the edit or the user put there
    // The edit's font now: a zoom gives the box another.
    const auto font = reinterpret_cast<HFONT>(SendMessageW(edit_, WM_GETFONT, 0, 0));
    SelectObject(held_, font);
    SetTextColor(held_, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(held_, GetSysColor(COLOR_WINDOW));
    // Where the edit itself would put its text: its formatting rectangle.
    SendMessageW(edit_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format_));
    GetClientRect(edit_, &client_);

    GetCharWidth32W(held_, L'0', L'9', digitWidth_);
    int total = 0;
    for (int d = 0; d < 10; ++d) {
        digitLeft_[d] = total;
        total += digitWidth_[d];
    }
    TEXTMETRICW metrics{};
    GetTextMetricsW(held_, &metrics);
    digitHeight_ = metrics.tmHeight;
    // The strip as 32-bit pixels of the program's own, top row first: a digit goes to the
    // screen with one SetDIBitsToDevice, the plot's own way, without a second device context
    // to read from.
    digitsInfo_ = BITMAPINFO{};
    digitsInfo_.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    digitsInfo_.bmiHeader.biWidth = total;
    digitsInfo_.bmiHeader.biHeight = -digitHeight_;
    digitsInfo_.bmiHeader.biPlanes = 1;
    digitsInfo_.bmiHeader.biBitCount = 32;
    digitsInfo_.bmiHeader.biCompression = BI_RGB;
    digits_ = CreateCompatibleDC(held_);
    digitsBitmap_ = CreateDIBSection(held_, &digitsInfo_, DIB_RGB_COLORS, &digitsBits_, nullptr, 0);
    oldBitmap_ = SelectObject(digits_, digitsBitmap_);
    SelectObject(digits_, font);
    SetTextColor(digits_, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(digits_, GetSysColor(COLOR_WINDOW));
    const RECT strip{0, 0, total, digitHeight_};
    ExtTextOutW(digits_, 0, 0, ETO_OPAQUE, &strip, L"0123456789", 10, nullptr);
    GdiFlush();  // the strip's pixels written before they are read
}

void NumberBox::Release() {
    if (!held_) return;
    SelectObject(digits_, oldBitmap_);
    DeleteObject(digitsBitmap_);
    DeleteDC(digits_);
    digits_ = nullptr;
    digitsBits_ = nullptr;
    ReleaseDC(edit_, held_);
    held_ = nullptr;
}

void NumberBox::ShowNumber(int n) {
    wchar_t text[12];
    const std::wstring_view next = Decimal(n, text);
    const bool held = held_ != nullptr;
    if (!held) Hold();
    // Digits of one width (as in most faces) in a number of the same length: copy the
    // digits that changed; else draw it all.
    bool copied = drawnSinceHold_ && next.size() == shown_.size();
    for (std::size_t i = 0; copied && i < next.size(); ++i)
        copied = IsDigit(next[i]) && IsDigit(shown_[i]) &&
                 digitWidth_[next[i] - L'0'] == digitWidth_[shown_[i] - L'0'];
    if (copied) {
        int x = format_.left;
        for (std::size_t i = 0; i < next.size(); ++i) {
            const int d = next[i] - L'0';
            if (next[i] != shown_[i])
                SetDIBitsToDevice(held_, x, format_.top, static_cast<DWORD>(digitWidth_[d]),
                                  static_cast<DWORD>(digitHeight_), digitLeft_[d], 0, 0,
                                  static_cast<UINT>(digitHeight_), digitsBits_, &digitsInfo_,
                                  DIB_RGB_COLORS);
            x += digitWidth_[d];
        }
    }
    shown_.assign(next);
    synced_ = false;
    if (!copied) DrawAll();
    drawnSinceHold_ = true;
    if (!held) Release();
}

void NumberBox::DrawAll() {
    // One opaque text call paints the digits and clears the rest of the box.
    ExtTextOutW(held_, format_.left, format_.top, ETO_OPAQUE, &client_, shown_.c_str(),
                static_cast<UINT>(shown_.size()), nullptr);
}

void NumberBox::SyncText() {
    if (synced_) return;
    synced_ = true;
    SetWindowTextW(edit_, shown_.c_str());
}

}  // namespace morvanta
