#include "ui/win/glyph_button.h"

#include <cstring>

namespace morvanta {
namespace {

constexpr int GlyphSize = 18;
constexpr int GlyphCaptionGap = 4;
constexpr int BorderWidth = 2;             // the button's raised edge
constexpr int FocusInset = 4;              // the focus rectangle inside the edge
constexpr std::uint32_t Olive = 0x7f7f00;  // 0xRRGGBB of the see-through colour

// The left cell of a 24-bit strip, rows from the top, see-through pixels in button face.
std::vector<std::uint32_t> LoadGlyph(HINSTANCE instance, int resource) {
    std::vector<std::uint32_t> cell(GlyphSize * GlyphSize);
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(resource), MAKEINTRESOURCEW(2));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const auto* data = loaded ? static_cast<const unsigned char*>(LockResource(loaded)) : nullptr;
    if (!data) return cell;
    BITMAPINFOHEADER header;
    std::memcpy(&header, data, sizeof(header));
    const unsigned char* bits = data + header.biSize;
    const int stride = ((header.biWidth * 3) + 3) & ~3;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const std::uint32_t faceRgb = (std::uint32_t{GetRValue(face)} << 16) |
                                  (std::uint32_t{GetGValue(face)} << 8) | GetBValue(face);
    for (int y = 0; y < GlyphSize; ++y) {
        const unsigned char* row = bits + (header.biHeight - 1 - y) * stride;  // bottom-up
        for (int x = 0; x < GlyphSize; ++x) {
            const unsigned char* p = row + x * 3;
            const std::uint32_t rgb =
                (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
            cell[std::size_t(y * GlyphSize + x)] = rgb == Olive ? faceRgb : rgb;
        }
    }
    return cell;
}

}  // namespace

GlyphButton::GlyphButton(HWND parent, int id, const wchar_t* caption, int glyphResource, RECT place,
                         HFONT font, bool isDefault) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    glyph_ = LoadGlyph(instance, glyphResource);
    button_ = CreateWindowExW(0, L"BUTTON", caption,
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_GROUP |
                                  (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                              place.left, place.top, place.right - place.left,
                              place.bottom - place.top, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(button_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowLongPtrW(button_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(button_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GlyphButton::Proc)));
}

LRESULT CALLBACK GlyphButton::Proc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<GlyphButton*>(GetWindowLongPtrW(button, GWLP_USERDATA));
    switch (message) {
        case WM_PAINT:
            self->Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        default:
            break;
    }
    const LRESULT result = CallWindowProcW(self->original_, button, message, wParam, lParam);
    // The standard button paints its new state at once in these; paint over it at once.
    switch (message) {
        case BM_SETSTATE:
        case BM_SETSTYLE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_MOUSEMOVE:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CAPTURECHANGED:
        case WM_UPDATEUISTATE:
        case WM_SETTEXT:
            RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            break;
        default:
            break;
    }
    return result;
}

void GlyphButton::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(button_, &paint);
    RECT rect;
    GetClientRect(button_, &rect);
    const bool pushed = (SendMessageW(button_, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    const bool focused = GetFocus() == button_;
    const bool isDefault =
        (GetWindowLongPtrW(button_, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;

    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    if (isDefault) {  // the default button's black outline
        FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&rect, -1, -1);
    }
    DrawFrameControl(dc, &rect, DFC_BUTTON,
                     DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED | DFCS_FLAT : 0u));

    RECT inner = rect;
    InflateRect(&inner, -BorderWidth, -BorderWidth);
    const int innerWidth = inner.right - inner.left;
    const int innerHeight = inner.bottom - inner.top;
    const HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(button_, WM_GETFONT, 0, 0)));
    wchar_t caption[32] = {};
    const int length = GetWindowTextW(button_, caption, 32);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption, length, &extent);
    // Glyph, gap and caption centred as one block; each centred on its own vertically.
    const int shift = pushed ? 1 : 0;
    const int left =
        inner.left + (innerWidth - (GlyphSize + GlyphCaptionGap + extent.cx) + 1) / 2 + shift;
    const int glyphTop = inner.top + (innerHeight - GlyphSize + 1) / 2 + shift;
    const int captionTop = inner.top + (innerHeight - extent.cy + 1) / 2 + shift;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = GlyphSize;
    info.bmiHeader.biHeight = -GlyphSize;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, left, glyphTop, GlyphSize, GlyphSize, 0, 0, 0, GlyphSize, glyph_.data(),
                      &info, DIB_RGB_COLORS);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutW(dc, left + GlyphSize + GlyphCaptionGap, captionTop, caption, length);
    if (focused) {
        RECT focus = rect;
        InflateRect(&focus, -FocusInset + 1, -FocusInset + 1);
        DrawFocusRect(dc, &focus);
    }
    SelectObject(dc, oldFont);
    EndPaint(button_, &paint);
}

}  // namespace morvanta
