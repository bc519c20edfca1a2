// The real program under a real window manager (openbox) on a private Xvfb: once the
// manager tells the frame it draws, the window with its frame has the designed outer size,
// with the frame's corner at the designed place, and the user's own resizing stands.

#include <X11/Xatom.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "tests/e2e/x11_session.h"

extern char** environ;

namespace morvanta::e2e {
namespace {

using namespace std::chrono_literals;

const char* ProgramPath = nullptr;

// openbox on the test's display, started and stopped by its own process id.
class Openbox {
public:
    explicit Openbox(Display* display) : display_(display) {
        char* argv[] = {const_cast<char*>("openbox"), const_cast<char*>("--sm-disable"), nullptr};
        // Its complaints about a missing menu file are no concern here.
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&pid_, "openbox", &quiet, nullptr, argv, environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&quiet);
    }
    ~Openbox() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    // Whether openbox manages the screen: it has announced itself on the root window.
    bool Running() const {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, left = 0;
        unsigned char* data = nullptr;
        const Atom check = XInternAtom(display_, "_NET_SUPPORTING_WM_CHECK", False);
        XGetWindowProperty(display_, DefaultRootWindow(display_), check, 0, 1, False, XA_WINDOW,
                           &type, &format, &count, &left, &data);
        if (data) XFree(data);
        return pid_ > 0 && count == 1;
    }

private:
    Display* display_;
    pid_t pid_ = -1;
};

struct Frame {
    int left, right, top, bottom;
};

class FramedWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        display_ = XOpenDisplay(nullptr);
        ASSERT_TRUE(display_) << "no X display: run under with_xvfb.sh";
        openbox_.emplace(display_);
        ASSERT_TRUE(Wait([&] { return openbox_->Running(); }, 10s)) << "openbox did not start";
        program_ = std::make_unique<ProgramWindow>(ProgramPath);
        ASSERT_TRUE(program_->WaitForWindow(10s)) << "the window did not show";
    }
    void TearDown() override {
        program_.reset();
        openbox_.reset();
        if (display_) XCloseDisplay(display_);
    }
    bool Wait(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(20ms);
        }
        return true;
    }
    // The frame openbox draws around the window, once it has said.
    std::optional<Frame> FrameExtents() const {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, left = 0;
        unsigned char* data = nullptr;
        const Atom extents = XInternAtom(display_, "_NET_FRAME_EXTENTS", False);
        XGetWindowProperty(display_, program_->Id(), extents, 0, 4, False, XA_CARDINAL, &type,
                           &format, &count, &left, &data);
        std::optional<Frame> frame;
        if (data && count == 4) {
            const auto* value = reinterpret_cast<const long*>(data);
            frame = Frame{int(value[0]), int(value[1]), int(value[2]), int(value[3])};
        }
        if (data) XFree(data);
        return frame;
    }
    XWindowAttributes Client() const {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display_, program_->Id(), &attributes);
        return attributes;
    }
    // The window with its frame: {x, y, width, height} on the screen.
    std::array<int, 4> Outer() const {
        const auto frame = FrameExtents();
        if (!frame) return {};
        const XWindowAttributes client = Client();
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display_, program_->Id(), DefaultRootWindow(display_), 0, 0, &x, &y,
                              &child);
        return {x - frame->left, y - frame->top, client.width + frame->left + frame->right,
                client.height + frame->top + frame->bottom};
    }

    // Asks the window manager to maximise the window or to restore it, as its title bar's
    // button does.
    void Maximise(bool on) const {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = program_->Id();
        event.xclient.format = 32;
        event.xclient.message_type = XInternAtom(display_, "_NET_WM_STATE", False);
        event.xclient.data.l[0] = on ? 1 : 0;  // add or remove
        event.xclient.data.l[1] =
            long(XInternAtom(display_, "_NET_WM_STATE_MAXIMIZED_VERT", False));
        event.xclient.data.l[2] =
            long(XInternAtom(display_, "_NET_WM_STATE_MAXIMIZED_HORZ", False));
        event.xclient.data.l[3] = 1;  // from an application
        XSendEvent(display_, DefaultRootWindow(display_), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XFlush(display_);
    }

    Display* display_ = nullptr;
    std::optional<Openbox> openbox_;
    std::unique_ptr<ProgramWindow> program_;
};

TEST_F(FramedWindowTest, OuterSizeIsTheDesignedOneOnceTheFrameIsKnown) {
    const std::array<int, 4> designed{227, 60, 623, 610};
    EXPECT_TRUE(Wait([&] { return Outer() == designed; }, 5s))
        << "outer " << Outer()[0] << ", " << Outer()[1] << " " << Outer()[2] << " x "
        << Outer()[3];
    const auto frame = FrameExtents();
    ASSERT_TRUE(frame.has_value()) << "openbox did not tell the frame";
    EXPECT_GT(frame->top, 0) << "openbox draws a title bar";

    // The user resizes the window, maximises it and restores it. openbox takes the frame's
    // border away while the window is maximised and gives it back after: the program leaves
    // the window at the user's size all the same.
    const std::string resize = "xdotool windowsize " + std::to_string(program_->Id()) + " 500 400";
    ASSERT_EQ(std::system(resize.c_str()), 0);
    ASSERT_TRUE(Wait([&] { return Client().width == 500 && Client().height == 400; }, 5s));
    const auto sameFrame = [&] {
        const auto now = FrameExtents();
        return now && now->left == frame->left && now->top == frame->top;
    };
    Maximise(true);
    ASSERT_TRUE(Wait([&] { return !sameFrame(); }, 5s)) << "openbox did not maximise";
    Maximise(false);
    ASSERT_TRUE(Wait(sameFrame, 5s)) << "openbox did not restore";
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(Client().width, 500);
    EXPECT_EQ(Client().height, 400);
}

}  // namespace
}  // namespace morvanta::e2e

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PATH-TO-MORVANTA\n", argv[0]);
        return 2;
    }
    morvanta::e2e::ProgramPath = argv[1];
    return RUN_ALL_TESTS();
}
