#pragma once

#include <windows.h>

#include "plot/raster_surface.h"
#include "ui/win/display_frames.h"

namespace morvanta {

// The plot as the window shows it: a 400 x 400 raster, the plot's retained image. While the
// surface is live, a change goes to the window at once (SetDIBitsToDevice of the changed
// rectangle, zoomed as the window is); while it is held (a run), changes gather in one rectangle
// that each of the run's frames sends. Text is drawn by GDI into the raster.
class GdiPlotSurface : public RasterSurface, public FramePart {
public:
    explicit GdiPlotSurface(HWND window);
    ~GdiPlotSurface() override;
    GdiPlotSurface(const GdiPlotSurface&) = delete;
    GdiPlotSurface& operator=(const GdiPlotSurface&) = delete;

    void TextOut(int x, int y, const std::string& text) override;

    // Where the plot's top-left pixel lies in the window's client area.
    void SetOrigin(POINT origin) { origin_ = origin; }
    POINT Origin() const { return origin_; }
    // The raster shown at the factor (1 to 3), each pixel the one under its centre.
    void SetZoom(double factor);
    double Zoom() const { return zoom_; }
    // Whether drawing reaches the window at once (off while a paint draws into the raster).
    void SetLive(bool live) { live_ = live; }
    // While held (a run), the surface keeps the window's device context and its changes for
    // the next frame; Release sends what is left.
    void Hold();
    void Release();
    void SendChanges() override;
    // Puts a rectangle of the raster, zoomed, on a device context at the plot's origin.
    void Show(HDC dc, const PixelRect& rect) const;

protected:
    void Changed(const PixelRect& rect) override;

private:
    HWND window_;
    POINT origin_{};
    double zoom_ = 1.0;
    bool live_ = true;
    HDC held_ = nullptr;
    PixelRect dirty_{};     // changed since the last frame
    HDC textDc_ = nullptr;  // a DIB section the size of the plot, for GDI's text
    HBITMAP textBitmap_ = nullptr;
    HGDIOBJ oldBitmap_ = nullptr;
    std::uint32_t* textBits_ = nullptr;
};

}  // namespace morvanta
