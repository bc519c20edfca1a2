#include "ui/win/radio_group.h"

#include <algorithm>

#include "ui/win/win_fonts.h"

namespace morvanta {
namespace {

constexpr const wchar_t* FrameClass = L"MorvantaRadioGroup";
constexpr COLORREF CaptionColor = RGB(0, 0, 128);  // navy
constexpr int CaptionLeft = 8;
constexpr int ItemLeft = 8;
constexpr int FrameSideMargins = 10;  // what the frame's edges take from the items' width
constexpr int FrameBottomMargin = 5;

void PaintFrame(HWND frame) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(frame, &paint);
    RECT client;
    GetClientRect(frame, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const auto font = reinterpret_cast<HFONT>(SendMessageW(frame, WM_GETFONT, 0, 0));
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT edge = client;
    edge.top = metrics.tmHeight / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);

    wchar_t caption[64] = {};
    const int length = GetWindowTextW(frame, caption, 64);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption, length, &extent);
    SetTextColor(dc, CaptionColor);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetBkMode(dc, OPAQUE);
    TextOutW(dc, CaptionLeft, 0, caption, length);
    if (GetFocus() == frame) {
        RECT focus{CaptionLeft - 1, 0, CaptionLeft + extent.cx + 1, extent.cy};
        DrawFocusRect(dc, &focus);
    }
    SelectObject(dc, old);
    EndPaint(frame, &paint);
}

LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFONT:
            SetWindowLongPtrW(frame, 0, static_cast<LONG_PTR>(wParam));
            if (LOWORD(lParam)) InvalidateRect(frame, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return GetWindowLongPtrW(frame, 0);
        case WM_PAINT:
            PaintFrame(frame);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(frame, nullptr, FALSE);
            return 0;
        case WM_GETDLGCODE:
            return 0;  // no keys of its own: Tab and the arrows are the dialog manager's
        default:
            return DefWindowProcW(frame, message, wParam, lParam);
    }
}

}  // namespace

void RadioGroup::RegisterFrameClass(HINSTANCE instance) {
    WNDCLASSEXW frameClass{};
    frameClass.cbSize = sizeof(frameClass);
    frameClass.lpfnWndProc = FrameProc;
    frameClass.cbWndExtra = sizeof(LONG_PTR);  // the font
    frameClass.hInstance = instance;
    frameClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    frameClass.lpszClassName = FrameClass;
    RegisterClassExW(&frameClass);
}

RadioGroup::RadioGroup(HWND parent, const wchar_t* caption, const std::vector<std::wstring>& items,
                       int columns, RECT place, HFONT font, bool frameIsTabStop, int selected,
                       int firstItemId)
    : columns_(columns) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    frame_ = CreateWindowExW(
        0, FrameClass, caption,
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_GROUP | (frameIsTabStop ? WS_TABSTOP : 0), 0,
        0, 0, 0, parent, nullptr, instance, nullptr);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const DWORD style =
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0);
        items_.push_back(CreateWindowExW(
            0, L"BUTTON", items[i].c_str(), style, 0, 0, 0, 0, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstItemId + static_cast<int>(i))),
            instance, nullptr));
    }
    Place(place, font);
    SendMessageW(Item(selected), BM_SETCHECK, BST_CHECKED, 0);
    SelectionChanged();
}

void RadioGroup::Place(RECT place, HFONT font) {
    const HWND parent = GetParent(frame_);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    MoveWindow(frame_, place.left, place.top, width, height, FALSE);
    SendMessageW(frame_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    // Column by column: the item height from what the caption leaves.
    const int count = ItemCount();
    const int rows = (count + columns_ - 1) / columns_;
    const int itemWidth = (width - FrameSideMargins) / columns_;
    const int cell = CellHeight(font, parent);
    const int available = height - cell - FrameBottomMargin;
    const int itemHeight = available / rows;
    const int firstTop = cell + 1 + (available % rows) / 2;
    HRGN shape = CreateRectRgn(0, 0, width, height);
    for (int i = 0; i < count; ++i) {
        const int x = ItemLeft + (i / rows) * itemWidth;
        const int y = firstTop + (i % rows) * itemHeight;
        MoveWindow(Item(i), place.left + x, place.top + y, itemWidth, itemHeight, FALSE);
        SendMessageW(Item(i), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        HRGN hole = CreateRectRgn(x, y, x + itemWidth, y + itemHeight);
        CombineRgn(shape, shape, hole, RGN_DIFF);
        DeleteObject(hole);
    }
    SetWindowRgn(frame_, shape, FALSE);  // the system owns the region now
}

int RadioGroup::ItemIndex() const {
    for (int i = 0; i < ItemCount(); ++i)
        if (SendMessageW(Item(i), BM_GETCHECK, 0, 0) == BST_CHECKED) return i;
    return 0;
}

bool RadioGroup::Owns(HWND control) const {
    return std::find(items_.begin(), items_.end(), control) != items_.end();
}

void RadioGroup::Select(int index) {
    for (int i = 0; i < ItemCount(); ++i)
        SendMessageW(Item(i), BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
    SelectionChanged();
}

void RadioGroup::SelectionChanged() {
    const int selected = ItemIndex();
    for (int i = 0; i < ItemCount(); ++i) {
        const LONG_PTR style = GetWindowLongPtrW(Item(i), GWL_STYLE);
        SetWindowLongPtrW(Item(i), GWL_STYLE,
                          i == selected ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP}));
    }
}

}  // namespace morvanta
