#include "tests/e2e/x11_session.h"

#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace morvanta::e2e {
namespace {

std::string Capture(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
        pclose(pipe);
    }
    return output;
}

// A colour channel's bits in a pixel, scaled to 0 ... 255.
int Channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0) return 0;
    const auto shift = static_cast<unsigned>(__builtin_ctzl(mask));
    const unsigned long largest = mask >> shift;
    return static_cast<int>(((pixel & mask) >> shift) * 255U / largest);
}

}  // namespace

bool Near(Rgb a, Rgb b) {
    // 5 bits a channel (15- and 16-bit screens) keep colours to within 8 of 255.
    constexpr int Tolerance = 8;
    return std::abs(a.red - b.red) <= Tolerance && std::abs(a.green - b.green) <= Tolerance &&
           std::abs(a.blue - b.blue) <= Tolerance;
}

Screenshot::Screenshot(XImage* image, int width, int height)
    : image_(image), width_(width), height_(height) {}

Screenshot::~Screenshot() {
    if (image_) XDestroyImage(image_);
}

Rgb Screenshot::At(int x, int y) const {
    if (!image_ || x < 0 || y < 0 || x >= width_ || y >= height_) return {-1, -1, -1};
    const unsigned long pixel = XGetPixel(image_, x, y);
    return {Channel(pixel, image_->red_mask), Channel(pixel, image_->green_mask),
            Channel(pixel, image_->blue_mask)};
}

int Screenshot::Count(Rgb color, int left, int top, int width, int height) const {
    int count = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) count += At(x, y) == color;
    return count;
}

void Screenshot::SavePpm(const std::string& path) const {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << width_ << ' ' << height_ << "\n255\n";
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const Rgb c = At(x, y);
            out.put(static_cast<char>(c.red)).put(static_cast<char>(c.green));
            out.put(static_cast<char>(c.blue));
        }
}

ProgramWindow::ProgramWindow(const std::string& executable, const std::string& stderrPath) {
    display_ = XOpenDisplay(nullptr);
    if (!display_) throw std::runtime_error("no X display: run under with_xvfb.sh");
    // A window that has gone (the program ended) gives an empty screenshot, not an exit.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    char* argv[] = {const_cast<char*>(executable.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!stderrPath.empty())
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, stderrPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int failed = posix_spawn(&pid_, executable.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) throw std::runtime_error("cannot start " + executable);
}

ProgramWindow::~ProgramWindow() {
    if (pid_ > 0 && !exited_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (display_) XCloseDisplay(display_);
}

bool ProgramWindow::WaitFor(const std::function<bool()>& condition,
                            std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return condition();
}

bool ProgramWindow::WaitForWindow(std::chrono::milliseconds timeout) {
    const std::string search =
        "xdotool search --onlyvisible --pid " + std::to_string(pid_) + " 2>/dev/null";
    const bool found = WaitFor(
        [&] {
            const std::string ids = Capture(search);
            if (ids.empty()) return false;
            window_ = std::strtoul(ids.c_str(), nullptr, 10);
            return window_ != 0;
        },
        timeout);
    if (!found) {
        std::fprintf(stderr, "no visible window of process %d\n", int(pid_));
        return false;
    }
    // Painted once the plot's navy shows in the middle of the paint box.
    Rgb middle;
    if (WaitFor(
            [&] {
                return Near(middle = Grab()->At(24 + 200, 40 + 200), Rgb{0, 0, 128});
            },
            timeout))
        return true;
    std::fprintf(stderr, "window 0x%lx shows %d,%d,%d in the plot's middle, not navy\n", window_,
                 middle.red, middle.green, middle.blue);
    return false;
}

std::unique_ptr<Screenshot> ProgramWindow::Grab() const {
    XWindowAttributes attributes{};
    if (!window_ || !XGetWindowAttributes(display_, window_, &attributes))
        return std::make_unique<Screenshot>(nullptr, 0, 0);
    XImage* image = XGetImage(display_, window_, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    return std::make_unique<Screenshot>(image, image ? attributes.width : 0,
                                        image ? attributes.height : 0);
}

void ProgramWindow::Xdotool(const std::string& arguments) const {
    const std::string command = "xdotool " + arguments + " >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
}

void ProgramWindow::Click(int x, int y, int button) const {
    Xdotool("mousemove --window " + std::to_string(window_) + ' ' + std::to_string(x) + ' ' +
            std::to_string(y) + " click " + std::to_string(button));
}

void ProgramWindow::Key(const std::string& keys) const {
    Xdotool("mousemove --window " + std::to_string(window_) + " 1 1 key " + keys);
}

bool ProgramWindow::HasInputFocus() const {
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    return focus == window_;
}

std::optional<int> ProgramWindow::WaitForExit(std::chrono::milliseconds timeout) {
    int status = 0;
    const bool ended = WaitFor([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, timeout);
    if (!ended) return std::nullopt;
    exited_ = true;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace morvanta::e2e
