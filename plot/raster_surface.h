#pragma once

#include <cstdint>
#include <vector>

#include "plot/plot_point.h"
#include "plot/plot_surface.h"

namespace morvanta {

// A rectangle of pixels, left/top inclusive, right/bottom exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Empty() const { return right <= left || bottom <= top; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The plot surface as a 400 x 400 pixel buffer, rasterised by the classic desktop rules: a
// line leaves out its end pixel, a rectangle or ellipse covers x1..x2-1 and y1..y2-1, the pen
// is one aliased pixel wide. Pixels are 0xffRRGGBB words, row by row, so a toolkit image
// can share the buffer without copying.
//
// Text needs a font engine, which this layer does not have: TextOut is left to a subclass,
// which draws into the buffer and calls Changed() for what it drew. Every other operation
// reports the pixels it changed through Changed() before it returns.
class RasterSurface : public PlotSurface {
public:
    RasterSurface();

    void SetPenColor(Color color) override { pen_ = color; }
    void SetBrushColor(Color color) override { brush_ = color; }
    void SetFont(const std::string& face, int points, Color color) override;
    void MoveTo(int x, int y) override { position_ = {x, y}; }
    void LineTo(int x, int y) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;

    std::uint32_t PixelAt(int x, int y) const;
    Color ColorAt(int x, int y) const;
    std::uint32_t* Bits() { return pixels_.data(); }
    const std::uint32_t* Bits() const { return pixels_.data(); }
    static constexpr int BytesPerLine = MapWidth * 4;

    Color PenColor() const { return pen_; }
    Color BrushColor() const { return brush_; }
    const std::string& FontFace() const { return fontFace_; }
    int FontPoints() const { return fontPoints_; }
    Color FontColor() const { return fontColor_; }
    PlotPoint Position() const { return position_; }

    static std::uint32_t Pack(Color color);

protected:
    // Called after each drawing operation with the (clipped) rectangle it changed.
    virtual void Changed(const PixelRect& rect) { (void)rect; }
    // Called instead of Changed after an operation that drew with the pen colour only (a
    // line): within the rectangle it changed nothing but pixels now of that colour.
    virtual void ChangedInPenColor(const PixelRect& rect) { Changed(rect); }
    // Fills row y from x1 to x2 - 1, clipped to the surface, and reports nothing.
    void FillSpan(int y, int x1, int x2, Color color);
    void SetPixel(int x, int y, Color color);

private:
    std::vector<std::uint32_t> pixels_;
    Color pen_ = Black;
    Color brush_ = White;
    std::string fontFace_;
    int fontPoints_ = 0;
    Color fontColor_ = Black;
    PlotPoint position_;
};

// The part of the rectangle on the surface.
PixelRect ClipToSurface(const PixelRect& rect);

}  // namespace morvanta
