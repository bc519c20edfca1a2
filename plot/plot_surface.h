#pragma once

#include <cstdint>
#include <string>

namespace morvanta {

// A 24-bit RGB colour.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color Navy{0, 0, 128};
inline constexpr Color White{255, 255, 255};
inline constexpr Color Yellow{255, 255, 0};
inline constexpr Color Aqua{0, 255, 255};
inline constexpr Color Red{255, 0, 0};
inline constexpr Color Black{0, 0, 0};

inline constexpr int MapWidth = 400;
inline constexpr int MapHeight = 400;

// The 400 x 400 surface the plot is drawn on, origin top-left, y downwards. It keeps pen,
// brush, font and current position between calls; whatever falls outside it is clipped.
// The pen is always 1 pixel wide and solid, the brush solid, the font regular.
class PlotSurface {
public:
    virtual ~PlotSurface() = default;

    virtual void SetPenColor(Color color) = 0;
    virtual void SetBrushColor(Color color) = 0;
    virtual void SetFont(const std::string& face, int points, Color color) = 0;
    virtual void MoveTo(int x, int y) = 0;
    // Draws from the current position to (x, y), leaving out the end pixel; (x, y) becomes
    // the current position.
    virtual void LineTo(int x, int y) = 0;
    // Fills x1..x2-1, y1..y2-1 with the brush and outlines it with the pen.
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    // The ellipse inscribed in x1..x2-1, y1..y2-1; the current position is unchanged.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // Text with the top-left of its character cell at (x, y), on an opaque brush-coloured
    // background.
    virtual void TextOut(int x, int y, const std::string& text) = 0;
};

// A surface that draws nothing: for runs whose trials count but are not shown.
class BlankSurface : public PlotSurface {
public:
    void SetPenColor(Color) override {}
    void SetBrushColor(Color) override {}
    void SetFont(const std::string&, int, Color) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void Rectangle(int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void TextOut(int, int, const std::string&) override {}
};

}  // namespace morvanta
