#include "ui/win/gdi_plot_surface.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "plot/phase_plot.h"
#include "plot/zoom.h"
#include "ui/win/win_fonts.h"

namespace morvanta {
namespace {

constexpr int ScreenDpi = 96;  // the plot is a fixed 400 x 400 pixels on every screen
constexpr int PointsPerInch = 72;

BITMAPINFO TopDownInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

COLORREF ToColorRef(Color color) { return RGB(color.red, color.green, color.blue); }

}  // namespace

GdiPlotSurface::GdiPlotSurface(HWND window) : window_(window) {
    const BITMAPINFO info = TopDownInfo(MapWidth, MapHeight);
    HDC screen = GetDC(nullptr);
    textDc_ = CreateCompatibleDC(screen);
    void* bits = nullptr;
    textBitmap_ = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    textBits_ = static_cast<std::uint32_t*>(bits);
    oldBitmap_ = SelectObject(textDc_, textBitmap_);
}

GdiPlotSurface::~GdiPlotSurface() {
    Release();
    SelectObject(textDc_, oldBitmap_);
    DeleteObject(textBitmap_);
    DeleteDC(textDc_);
}

void GdiPlotSurface::TextOut(int x, int y, const std::string& text) {
    if (!textBits_) return;
    const std::size_t count = std::size_t{MapWidth} * MapHeight;
    std::memcpy(textBits_, Bits(), count * sizeof(std::uint32_t));
    const bool serif = FontFace() == LabelFace;
    HFONT font = serif ? CreateFaceFont(SerifFaces, MulDiv(FontPoints(), ScreenDpi, PointsPerInch),
                                        FW_NORMAL, NONANTIALIASED_QUALITY)
                       : CreateFaceFont({L"Tahoma"}, MulDiv(FontPoints(), ScreenDpi, PointsPerInch),
                                        FW_NORMAL, NONANTIALIASED_QUALITY);
    const HGDIOBJ oldFont = SelectObject(textDc_, font);
    SetTextColor(textDc_, ToColorRef(FontColor()));
    SetBkColor(textDc_, ToColorRef(BrushColor()));
    SetBkMode(textDc_, OPAQUE);
    SIZE extent{};
    const int length = static_cast<int>(text.size());
    GetTextExtentPoint32A(textDc_, text.c_str(), length, &extent);
    ExtTextOutA(textDc_, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(length), nullptr);
    GdiFlush();
    SelectObject(textDc_, oldFont);
    DeleteObject(font);

    const PixelRect rect = ClipToSurface({x, y, x + extent.cx, y + extent.cy});
    if (rect.Empty()) return;
    // GDI leaves the fourth byte alone or clears it; the raster's pixels are opaque.
    for (int row = rect.top; row < rect.bottom; ++row)
        for (int column = rect.left; column < rect.right; ++column) {
            const std::size_t at = std::size_t(row) * MapWidth + std::size_t(column);
            Bits()[at] = textBits_[at] | 0xff000000u;
        }
    Changed(rect);
}

void GdiPlotSurface::SetZoom(double factor) { zoom_ = ClampedZoom(factor); }

void GdiPlotSurface::Show(HDC dc, const PixelRect& rect) const {
    const PixelRect clipped = ClipToSurface(rect);
    if (clipped.Empty()) return;
    if (zoom_ != 1.0) {
        // The blocks of the rectangle's pixels, rounded outwards.
        const auto at = [this](int pixel, bool up) {
            const double edge = pixel * zoom_;
            return static_cast<int>(up ? std::ceil(edge) : std::floor(edge));
        };
        const PixelBlock block =
            ZoomPixels(Bits(), MapWidth, MapHeight, zoom_, at(clipped.left, false),
                       at(clipped.top, false), at(clipped.right, true), at(clipped.bottom, true));
        const BITMAPINFO info = TopDownInfo(block.width, block.height);
        SetDIBitsToDevice(
            dc, origin_.x + at(clipped.left, false), origin_.y + at(clipped.top, false),
            static_cast<DWORD>(block.width), static_cast<DWORD>(block.height), 0, 0, 0,
            static_cast<UINT>(block.height), block.pixels.data(), &info, DIB_RGB_COLORS);
        return;
    }
    const int height = clipped.bottom - clipped.top;
    // The rows of the rectangle as a DIB of their own: no bottom-up arithmetic.
    const BITMAPINFO info = TopDownInfo(MapWidth, height);
    SetDIBitsToDevice(dc, origin_.x + clipped.left, origin_.y + clipped.top,
                      static_cast<DWORD>(clipped.right - clipped.left), static_cast<DWORD>(height),
                      clipped.left, 0, 0, static_cast<UINT>(height),
                      Bits() + std::size_t(clipped.top) * MapWidth, &info, DIB_RGB_COLORS);
}

void GdiPlotSurface::Hold() {
    if (!held_ && window_) held_ = GetDC(window_);
}

void GdiPlotSurface::Release() {
    if (!held_) return;
    SendChanges();
    ReleaseDC(window_, held_);
    held_ = nullptr;
}

void GdiPlotSurface::SendChanges() {
    if (!held_ || dirty_.Empty()) return;
    Show(held_, dirty_);
    dirty_ = PixelRect{};
}

void GdiPlotSurface::Changed(const PixelRect& rect) {
    if (!live_ || rect.Empty()) return;
    if (held_) {
        dirty_ = dirty_.Empty()
                     ? rect
                     : PixelRect{std::min(dirty_.left, rect.left), std::min(dirty_.top, rect.top),
                                 std::max(dirty_.right, rect.right),
                                 std::max(dirty_.bottom, rect.bottom)};
        return;
    }
    HDC dc = GetDC(window_);
    Show(dc, rect);
    ReleaseDC(window_, dc);
}

}  // namespace morvanta
