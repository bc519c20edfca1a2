// The floor under the window's per-step drawing: the same X work with bare Xlib and no
// toolkit. A window of the program's client size; per step one short white line in the navy
// plot area, the step-number box cleared and its number drawn again, and a flush, as the
// window does for every step of a run. A final XSync makes the server finish the work before
// the clock stops.
//
// Usage: xlib_floor [steps]          (100000 steps unless given)
// Prints one line: xlib_floor steps=N total_s=T us_per_step=U bytes_per_step=B, the bytes
// being what the process wrote (to the X server) over the steps.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "bench/process_io.h"

namespace {

constexpr unsigned ClientWidth = 615;
constexpr unsigned ClientHeight = 583;
constexpr int PlotLeft = 24;
constexpr int PlotTop = 40;
constexpr int PlotSize = 400;
constexpr int BoxLeft = 128;
constexpr int BoxTop = 510;
constexpr unsigned BoxWidth = 40;
constexpr unsigned BoxHeight = 21;
constexpr long DefaultSteps = 100000;

// A pixel value for an 8-bit-per-channel colour in the default colormap.
unsigned long Pixel(Display* display, int red, int green, int blue) {
    XColor colour{};
    colour.red = static_cast<unsigned short>(red * 257);
    colour.green = static_cast<unsigned short>(green * 257);
    colour.blue = static_cast<unsigned short>(blue * 257);
    XAllocColor(display, XDefaultColormap(display, XDefaultScreen(display)), &colour);
    return colour.pixel;
}

// A deterministic walk in plot pixels: steps of up to 4 pixels each way, reflected at the
// edges, so that every segment is short and stays inside the plot.
class Walk {
public:
    struct Segment {
        int x0, y0, x1, y1;
    };

    Segment Next() {
        const int x0 = x_;
        const int y0 = y_;
        x_ = Reflect(x_ + Offset());
        y_ = Reflect(y_ + Offset());
        return {x0, y0, x_, y_};
    }

private:
    int Offset() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<int>((state_ >> 16) % 9u) - 4;
    }
    static int Reflect(int v) {
        if (v < 0) return -v;
        if (v >= PlotSize) return 2 * (PlotSize - 1) - v;
        return v;
    }

    std::uint32_t state_ = 12345u;
    int x_ = PlotSize / 2;
    int y_ = PlotSize / 2;
};

}  // namespace

int main(int argc, char** argv) {
    long steps = DefaultSteps;
    if (argc > 1) {
        const char* text = argv[1];
        const auto [end, error] = std::from_chars(text, text + std::strlen(text), steps);
        if (error != std::errc() || *end != '\0' || steps <= 0) {
            std::fprintf(stderr, "usage: xlib_floor [steps]\n");
            return 2;
        }
    }

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "xlib_floor: cannot open the display\n");
        return 1;
    }
    const int screen = XDefaultScreen(display);
    const unsigned long white = XWhitePixel(display, screen);
    const unsigned long black = XBlackPixel(display, screen);
    const unsigned long face = Pixel(display, 212, 208, 200);
    const unsigned long navy = Pixel(display, 0, 0, 128);

    const Window window = XCreateSimpleWindow(display, XRootWindow(display, screen), 0, 0,
                                              ClientWidth, ClientHeight, 0, black, face);
    XStoreName(display, window, "xlib_floor");
    XSizeHints hints{};
    hints.flags = PMinSize | PMaxSize;
    hints.min_width = hints.max_width = static_cast<int>(ClientWidth);
    hints.min_height = hints.max_height = static_cast<int>(ClientHeight);
    XSetWMNormalHints(display, window, &hints);
    XSelectInput(display, window, ExposureMask | StructureNotifyMask);
    XMapWindow(display, window);
    for (XEvent event{}; event.type != Expose;) XNextEvent(display, &event);
    XSelectInput(display, window, NoEventMask);

    const GC white_gc = XCreateGC(display, window, 0, nullptr);
    XSetForeground(display, white_gc, white);
    const GC black_gc = XCreateGC(display, window, 0, nullptr);
    XSetForeground(display, black_gc, black);
    const GC navy_gc = XCreateGC(display, window, 0, nullptr);
    XSetForeground(display, navy_gc, navy);
    XFontStruct* font = XQueryFont(display, XGContextFromGC(black_gc));

    // The scene before the first step: the empty plot and an empty number box.
    XFillRectangle(display, window, navy_gc, PlotLeft, PlotTop, static_cast<unsigned>(PlotSize),
                   static_cast<unsigned>(PlotSize));
    XFillRectangle(display, window, white_gc, BoxLeft, BoxTop, BoxWidth, BoxHeight);
    XDrawRectangle(display, window, black_gc, BoxLeft, BoxTop, BoxWidth - 1, BoxHeight - 1);
    XSync(display, False);

    Walk walk;
    char number[24];
    const long long bytesBefore = morvanta::bench::BytesWritten();
    const auto start = std::chrono::steady_clock::now();
    for (long step = 1; step <= steps; ++step) {
        const Walk::Segment s = walk.Next();
        XDrawLine(display, window, white_gc, PlotLeft + s.x0, PlotTop + s.y0, PlotLeft + s.x1,
                  PlotTop + s.y1);

        // The number box: cleared inside its border, the number right-aligned.
        const int length = std::snprintf(number, sizeof number, "%ld", step);
        const int width = font != nullptr ? XTextWidth(font, number, length) : 6 * length;
        XFillRectangle(display, window, white_gc, BoxLeft + 1, BoxTop + 1, BoxWidth - 2,
                       BoxHeight - 2);
        XDrawString(display, window, black_gc, BoxLeft + static_cast<int>(BoxWidth) - 3 - width,
                    BoxTop + 15, number, length);
        XFlush(display);
    }
    XSync(display, False);
    const std::chrono::duration<double> total = std::chrono::steady_clock::now() - start;
    const long long bytes = morvanta::bench::BytesWritten() - bytesBefore;

    std::printf("xlib_floor steps=%ld total_s=%.6f us_per_step=%.3f bytes_per_step=%.1f\n", steps,
                total.count(), total.count() * 1.0e6 / static_cast<double>(steps),
                static_cast<double>(bytes) / static_cast<double>(steps));

    if (font != nullptr) XFreeFontInfo(nullptr, font, 1);
    XFreeGC(display, navy_gc);
    XFreeGC(display, black_gc);
    XFreeGC(display, white_gc);
    XDestroyWindow(display, window);
    XCloseDisplay(display);
    return 0;
}
