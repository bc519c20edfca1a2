#pragma once

// The real program in a real X window: starts it, finds its window, reads pixels off the
// screen and sends input through xdotool, as a person at the display would.

#include <X11/Xlib.h>
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace morvanta::e2e {

// The program under test, from the test's command line (program_test_main.cpp).
extern const char* ProgramPath;

// How long anything awaited may take before a test calls it lost. A bound for a failure
// only: every wait ends as soon as its condition holds, so a busy machine (two suites, a
// sanitizer) costs time, never a false failure.
inline constexpr std::chrono::seconds Patience{60};

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Equal as far as a screen with fewer than 8 bits a channel can tell.
bool Near(Rgb a, Rgb b);

// A screenshot of the program's window, read in window-relative coordinates.
class Screenshot {
public:
    Screenshot(XImage* image, int width, int height);
    ~Screenshot();
    Screenshot(const Screenshot&) = delete;
    Screenshot& operator=(const Screenshot&) = delete;
    Rgb At(int x, int y) const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    // How many pixels of the rectangle have the colour.
    int Count(Rgb color, int left, int top, int width, int height) const;
    // Writes a binary PPM, for a person to look at when a test fails.
    void SavePpm(const std::string& path) const;

private:
    XImage* image_;
    int width_;
    int height_;
};

class ProgramWindow {
public:
    // The program's standard error stream goes to stderrPath when one is given.
    explicit ProgramWindow(const std::string& executable, const std::string& stderrPath = {});
    ~ProgramWindow();

    // Waits until the program's window is mapped and has painted.
    bool WaitForWindow(std::chrono::milliseconds timeout);
    std::unique_ptr<Screenshot> Grab() const;
    // Left click at a window-relative point, through xdotool.
    void Click(int x, int y, int button = 1) const;
    // Keys typed at the display, through xdotool, without making the window the input focus
    // first: with no window manager they go to the window under the pointer.
    void Key(const std::string& keys) const;
    // Whether the window is the X server's input focus, as an activated window is.
    bool HasInputFocus() const;
    // Waits for the program to end; its exit status, or nothing on timeout.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout);
    bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) const;
    Window Id() const { return window_; }

private:
    void Xdotool(const std::string& arguments) const;
    Display* display_ = nullptr;
    pid_t pid_ = -1;
    Window window_ = 0;
    bool exited_ = false;
};

}  // namespace morvanta::e2e
