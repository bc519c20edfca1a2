#include "ui/qt/screen/x11_window_canvas.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QImage>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace morvanta {
namespace {

constexpr std::uint8_t TrueColorDepth = 24;
constexpr std::uint8_t BitsPerPixel = 32;
constexpr int PutImageHeaderBytes = 24;
// Big images go as several requests of about this size, which bounds the copy kept for them.
constexpr int RequestBytes = 64 * 1024;
constexpr std::size_t PointsPerRequest = RequestBytes / sizeof(xcb_point_t);

xcb_connection_t* ToolkitConnection() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// Whether pixels of the given depth and visual are 0x00RRGGBB words in this machine's order,
// as a 32-bit RGB QImage holds them.
bool HoldsImagePixels(xcb_connection_t* connection, std::uint8_t depth, xcb_visualid_t visual) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    if (depth != TrueColorDepth || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    bool thirtyTwoBits = false;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
        if (f.data->depth == depth) thirtyTwoBits = f.data->bits_per_pixel == BitsPerPixel;
    if (!thirtyTwoBits) return false;
    for (auto s = xcb_setup_roots_iterator(setup); s.rem; xcb_screen_next(&s))
        for (auto d = xcb_screen_allowed_depths_iterator(s.data); d.rem; xcb_depth_next(&d))
            for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
                if (v.data->visual_id == visual)
                    return v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
                           v.data->red_mask == 0xff0000 && v.data->green_mask == 0xff00 &&
                           v.data->blue_mask == 0xff;
    return false;
}

}  // namespace

X11WindowCanvas::X11WindowCanvas(const QWidget& widget) : widget_(widget) {}

X11WindowCanvas::~X11WindowCanvas() {
    if (gc_ != 0 && ToolkitConnection() == connection_) xcb_free_gc(connection_, gc_);
}

bool X11WindowCanvas::Begin() {
    if (connection_ == nullptr && (connection_ = ToolkitConnection()) == nullptr) return false;
    if (!widget_.isVisible()) return false;
    const QWidget* window = widget_.window();
    if (window->devicePixelRatio() != 1) return false;
    const WId id = window->internalWinId();
    if (id == 0) return false;
    if (id != window_) {
        window_ = static_cast<std::uint32_t>(id);
        windowUsable_ = UsableWindow(id);
    }
    if (!windowUsable_) return false;
    PlaceInWindow();
    return true;
}

bool X11WindowCanvas::UsableWindow(std::uintptr_t id) {
    const auto window = static_cast<xcb_window_t>(id);
    auto* geometry =
        xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr);
    auto* attributes = xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, window), nullptr);
    const bool usable = geometry && attributes &&
                        HoldsImagePixels(connection_, geometry->depth, attributes->visual);
    depth_ = geometry ? geometry->depth : 0;
    std::free(geometry);
    std::free(attributes);
    if (gc_ != 0) xcb_free_gc(connection_, gc_);
    gc_ = 0;
    if (!usable) return false;
    // No GraphicsExpose or NoExpose event for every copy: nothing here needs them.
    gc_ = xcb_generate_id(connection_);
    const std::uint32_t values[] = {foreground_, 0};
    xcb_create_gc(connection_, gc_, window, XCB_GC_FOREGROUND | XCB_GC_GRAPHICS_EXPOSURES, values);
    clipSet_ = false;
    return true;
}

void X11WindowCanvas::PlaceInWindow() {
    // Walks up to the window, cutting the widget's rectangle down to each ancestor's.
    QPoint origin(0, 0);
    QRect visible(QPoint(0, 0), widget_.size());
    for (const QWidget* w = &widget_; !w->isWindow(); w = w->parentWidget()) {
        origin += w->pos();
        visible = visible.translated(w->pos()) & w->parentWidget()->rect();
    }
    origin_ = origin;
    if (clipSet_ && visible == visible_) return;
    clipSet_ = true;
    visible_ = visible;
    const xcb_rectangle_t clip{static_cast<std::int16_t>(visible.x()),
                               static_cast<std::int16_t>(visible.y()),
                               static_cast<std::uint16_t>(std::max(visible.width(), 0)),
                               static_cast<std::uint16_t>(std::max(visible.height(), 0))};
    xcb_set_clip_rectangles(connection_, XCB_CLIP_ORDERING_UNSORTED, gc_, 0, 0,
                            visible.isEmpty() ? 0 : 1, &clip);
}

void X11WindowCanvas::SetForeground(QRgb color) {
    const std::uint32_t pixel = color & 0xffffffU;
    if (pixel == foreground_) return;
    foreground_ = pixel;
    xcb_change_gc(connection_, gc_, XCB_GC_FOREGROUND, &foreground_);
}

void X11WindowCanvas::PutImage(const QImage& image, const QRect& source, QPoint at) {
    PutRows(image, source, window_, at + origin_);
}

void X11WindowCanvas::PutRows(const QImage& image, const QRect& source, std::uint32_t drawable,
                              QPoint at) {
    const QRect area = source & image.rect();
    if (area.isEmpty()) return;
    at += area.topLeft() - source.topLeft();
    // A big area goes as several bands of whole rows; whole rows of the image need no copy.
    const bool wholeRows =
        area.width() == image.width() && image.bytesPerLine() == image.width() * 4;
    const int rowsPerRequest =
        std::max(1, (RequestBytes - PutImageHeaderBytes) / (area.width() * 4));
    for (int top = 0; top < area.height(); top += rowsPerRequest) {
        const int height = std::min(rowsPerRequest, area.height() - top);
        const auto* data =
            reinterpret_cast<const std::uint32_t*>(image.constScanLine(area.top() + top));
        if (!wholeRows) {
            rows_.resize(static_cast<std::size_t>(area.width()) * static_cast<std::size_t>(height));
            for (int y = 0; y < height; ++y) {
                const auto* line = reinterpret_cast<const std::uint32_t*>(
                                       image.constScanLine(area.top() + top + y)) +
                                   area.left();
                std::copy_n(line, area.width(), rows_.begin() + std::ptrdiff_t{y} * area.width());
            }
            data = rows_.data();
        }
        xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, gc_,
                      static_cast<std::uint16_t>(area.width()), static_cast<std::uint16_t>(height),
                      static_cast<std::int16_t>(at.x()), static_cast<std::int16_t>(at.y() + top), 0,
                      depth_, static_cast<std::uint32_t>(area.width() * height * 4),
                      reinterpret_cast<const std::uint8_t*>(data));
    }
}

void X11WindowCanvas::PutPixelsOf(const QImage& image, const QRect& source, QRgb color) {
    const QRect area = source & image.rect();
    points_.clear();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            if (line[x] == color)
                points_.push_back({static_cast<std::int16_t>(x + origin_.x()),
                                   static_cast<std::int16_t>(y + origin_.y())});
    }
    if (points_.empty()) return;
    SetForeground(color);
    for (std::size_t first = 0; first < points_.size(); first += PointsPerRequest)
        xcb_poly_point(
            connection_, XCB_COORD_MODE_ORIGIN, window_, gc_,
            static_cast<std::uint32_t>(std::min(PointsPerRequest, points_.size() - first)),
            points_.data() + first);
}

void X11WindowCanvas::Fill(const QRect& rect, QRgb color) {
    if (rect.isEmpty()) return;
    SetForeground(color);
    const QRect r = rect.translated(origin_);
    const xcb_rectangle_t box{static_cast<std::int16_t>(r.x()), static_cast<std::int16_t>(r.y()),
                              static_cast<std::uint16_t>(r.width()),
                              static_cast<std::uint16_t>(r.height())};
    xcb_poly_fill_rectangle(connection_, window_, gc_, 1, &box);
}

void X11WindowCanvas::CopyFrom(std::uint32_t pixmap, const QRect& source, QPoint at) {
    const QPoint to = at + origin_;
    xcb_copy_area(connection_, pixmap, window_, gc_, static_cast<std::int16_t>(source.x()),
                  static_cast<std::int16_t>(source.y()), static_cast<std::int16_t>(to.x()),
                  static_cast<std::int16_t>(to.y()), static_cast<std::uint16_t>(source.width()),
                  static_cast<std::uint16_t>(source.height()));
}

void X11WindowCanvas::Flush() { xcb_flush(connection_); }

std::uint32_t X11WindowCanvas::Upload(const QImage& image) {
    if (!windowUsable_ || image.isNull()) return 0;
    const xcb_pixmap_t pixmap = xcb_generate_id(connection_);
    xcb_create_pixmap(connection_, depth_, pixmap, window_,
                      static_cast<std::uint16_t>(image.width()),
                      static_cast<std::uint16_t>(image.height()));
    // The window's clip must not cut what goes into the pixmap: a plain context of its own.
    const std::uint32_t windowGc = gc_;
    gc_ = xcb_generate_id(connection_);
    xcb_create_gc(connection_, gc_, pixmap, 0, nullptr);
    PutRows(image, image.rect(), pixmap, QPoint(0, 0));
    xcb_free_gc(connection_, gc_);
    gc_ = windowGc;
    return pixmap;
}

void X11WindowCanvas::Release(std::uint32_t pixmap) {
    if (pixmap != 0 && ToolkitConnection() == connection_) xcb_free_pixmap(connection_, pixmap);
}

}  // namespace morvanta
