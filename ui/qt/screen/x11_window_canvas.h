#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <cstdint>
#include <vector>

class QImage;
class QWidget;
struct xcb_connection_t;
struct xcb_point_t;

namespace morvanta {

// Draws a widget's pixels straight onto its top-level X window, over the toolkit's own X
// connection, so they reach the screen without a repaint or a backing-store flush. Child
// widgets have no X window of their own: drawing lands on the top-level window at the
// widget's offset, clipped to the part of the widget its ancestors leave visible.
//
// Whatever is drawn this way is missing from the toolkit's backing store; the owner marks
// it for repainting, and the toolkit then paints the same pixels from the same source.
class X11WindowCanvas {
public:
    explicit X11WindowCanvas(const QWidget& widget);
    ~X11WindowCanvas();
    X11WindowCanvas(const X11WindowCanvas&) = delete;
    X11WindowCanvas& operator=(const X11WindowCanvas&) = delete;

    // Whether drawing can go straight to the screen now: the window is on an X server, in a
    // 24-bit true-colour visual, at one device pixel per pixel, and the widget is shown.
    // Brings the widget's place and visible part in the window up to date.
    bool Begin();

    // In widget coordinates: the source rectangle of a 32-bit RGB image, put at `at`.
    void PutImage(const QImage& image, const QRect& source, QPoint at);
    // In widget coordinates: the pixels of the source rectangle that have the given colour,
    // put at the same places. Fewer bytes than the whole rectangle for a thin line.
    void PutPixelsOf(const QImage& image, const QRect& source, QRgb color);
    void Fill(const QRect& rect, QRgb color);
    // Copies from a pixmap made by Upload().
    void CopyFrom(std::uint32_t pixmap, const QRect& source, QPoint at);
    void Flush();

    // A server-side copy of a 32-bit RGB image, in the window's depth; 0 if it cannot be made.
    std::uint32_t Upload(const QImage& image);
    void Release(std::uint32_t pixmap);

private:
    bool UsableWindow(std::uintptr_t window);
    void PlaceInWindow();
    void SetForeground(QRgb color);
    void PutRows(const QImage& image, const QRect& source, std::uint32_t drawable, QPoint at);

    const QWidget& widget_;
    xcb_connection_t* connection_ = nullptr;
    std::uint32_t window_ = 0;
    bool windowUsable_ = false;
    std::uint8_t depth_ = 0;
    std::uint32_t gc_ = 0;
    std::uint32_t foreground_ = 0;
    QPoint origin_;  // the widget's top-left corner in the window
    QRect visible_;  // the part of the widget that shows, in window coordinates
    bool clipSet_ = false;
    std::vector<std::uint32_t> rows_;  // a band of an image being sent
    std::vector<xcb_point_t> points_;
};

}  // namespace morvanta
