// The real program under a real window manager (openbox) on a private Xvfb: once the
// manager tells the frame it draws, the window with its frame has the designed outer size,
// with the frame's corner at the designed place, and the user's own size stands after that.

#include <X11/Xatom.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "tests/e2e/x11_session.h"

extern char** environ;

namespace morvanta::e2e {
namespace {

using namespace std::chrono_literals;

class FramedWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        display_ = XOpenDisplay(nullptr);
        ASSERT_TRUE(display_) << "no X display: run under with_xvfb.sh";
        // openbox runs its start-up command once it manages the windows already there, just
        // before it reads events; a window mapped earlier (even after it announced itself on
        // the root window) can stay unmanaged.
        ASSERT_TRUE(mkdtemp(readyDir_.data())) << "no temporary folder";
        const std::string touch = "touch " + ReadyFile();
        char* argv[] = {const_cast<char*>("openbox"), const_cast<char*>("--sm-disable"),
                        const_cast<char*>("--startup"), const_cast<char*>(touch.c_str()), nullptr};
        posix_spawn_file_actions_t quiet;  // its complaints about a missing menu file
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
        ASSERT_EQ(posix_spawnp(&openbox_, "openbox", &quiet, nullptr, argv, environ), 0);
        posix_spawn_file_actions_destroy(&quiet);
        const auto end = std::chrono::steady_clock::now() + Patience;
        while (access(ReadyFile().c_str(), F_OK) != 0) {
            ASSERT_LT(std::chrono::steady_clock::now(), end) << "openbox did not start";
            std::this_thread::sleep_for(20ms);
        }
        program_ = std::make_unique<ProgramWindow>(ProgramPath);
        ASSERT_TRUE(program_->WaitForWindow(Patience)) << "the window did not show";
    }
    void TearDown() override {
        program_.reset();
        if (openbox_ > 0) {
            kill(openbox_, SIGTERM);
            waitpid(openbox_, nullptr, 0);
        }
        if (display_) XCloseDisplay(display_);
        unlink(ReadyFile().c_str());
        rmdir(readyDir_.c_str());
    }
    std::string ReadyFile() const { return readyDir_ + "/openbox-ready"; }
    std::vector<long> Property(Window window, const char* name, Atom type) const {
        Atom actualType = None;
        int format = 0;
        unsigned long count = 0, left = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(display_, window, XInternAtom(display_, name, False), 0, 4, False, type,
                           &actualType, &format, &count, &left, &data);
        std::vector<long> values;
        if (data) {
            values.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + count);
            XFree(data);
        }
        return values;
    }
    // The frame openbox draws (left, right, top, bottom), empty until it has said.
    std::vector<long> Frame() const {
        return Property(program_->Id(), "_NET_FRAME_EXTENTS", XA_CARDINAL);
    }
    std::array<int, 2> ClientSize() const {
        XWindowAttributes client{};
        XGetWindowAttributes(display_, program_->Id(), &client);
        return {client.width, client.height};
    }
    // The window with its frame on the screen: x, y, width, height.
    std::array<long, 4> Outer() const {
        const std::vector<long> frame = Frame();
        if (frame.size() != 4) return {};
        int x = 0, y = 0;
        Window child = 0;
        XTranslateCoordinates(display_, program_->Id(), DefaultRootWindow(display_), 0, 0, &x, &y,
                              &child);
        const auto [width, height] = ClientSize();
        return {x - frame[0], y - frame[2], width + frame[0] + frame[1],
                height + frame[2] + frame[3]};
    }
    // What the maximise button of the title bar asks of the window manager.
    void Maximise(bool on) const {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = program_->Id();
        event.xclient.format = 32;
        event.xclient.message_type = XInternAtom(display_, "_NET_WM_STATE", False);
        event.xclient.data.l[0] = on ? 1 : 0;  // add or remove
        event.xclient.data.l[1] = long(XInternAtom(display_, "_NET_WM_STATE_MAXIMIZED_VERT", 0));
        event.xclient.data.l[2] = long(XInternAtom(display_, "_NET_WM_STATE_MAXIMIZED_HORZ", 0));
        XSendEvent(display_, DefaultRootWindow(display_), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XFlush(display_);
    }

    // Returns once the program has handled every event the X server sent it before now: it
    // answers a window manager's ping (_NET_WM_PING) in the order of its events.
    bool Ping() const {
        const Atom protocols = XInternAtom(display_, "WM_PROTOCOLS", False);
        const Atom ping = XInternAtom(display_, "_NET_WM_PING", False);
        const Window root = DefaultRootWindow(display_);
        XSelectInput(display_, root, StructureNotifyMask);  // where the answer is sent
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = program_->Id();
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(ping);
        event.xclient.data.l[1] = CurrentTime;
        event.xclient.data.l[2] = long(program_->Id());
        XSendEvent(display_, program_->Id(), False, NoEventMask, &event);
        XFlush(display_);
        return program_->WaitFor(
            [&] {
                XEvent reply{};
                while (XCheckTypedWindowEvent(display_, root, ClientMessage, &reply))
                    if (reply.xclient.data.l[0] == long(ping) &&
                        reply.xclient.data.l[2] == long(program_->Id()))
                        return true;
                return false;
            },
            Patience);
    }

    Display* display_ = nullptr;
    pid_t openbox_ = -1;
    std::string readyDir_ = "/tmp/morvanta-framed-XXXXXX";
    std::unique_ptr<ProgramWindow> program_;
};

TEST_F(FramedWindowTest, OuterSizeIsTheDesignedOneOnceTheFrameIsKnown) {
    const std::array<long, 4> designed{227, 60, 623, 610};
    EXPECT_TRUE(program_->WaitFor([&] { return Outer() == designed; }, Patience))
        << "outer " << Outer()[0] << ", " << Outer()[1] << " " << Outer()[2] << " x " << Outer()[3];
    const std::vector<long> frame = Frame();
    ASSERT_EQ(frame.size(), 4U) << "openbox did not tell its frame";

    // The user resizes the window, maximises it and restores it. openbox takes the frame's
    // border away while the window is maximised and gives it back after, and tells the new
    // frame before the new state: the window keeps the user's size all the same. Whether the
    // program sees the frame or the state first varies, so the user does it three times.
    const std::string resize = "xdotool windowsize " + std::to_string(program_->Id()) + " 500 400";
    ASSERT_EQ(std::system(resize.c_str()), 0);
    const std::array<int, 2> userSize{500, 400};
    ASSERT_TRUE(program_->WaitFor([&] { return ClientSize() == userSize; }, Patience));
    for (int time = 1; time <= 3; ++time) {
        Maximise(true);
        ASSERT_TRUE(program_->WaitFor([&] { return Frame() != frame; }, Patience))
            << "not maximised";
        Maximise(false);
        ASSERT_TRUE(program_->WaitFor([&] { return Frame() == frame; }, Patience))
            << "not restored";
        // The program has seen the frame come back once it answers: it has not fitted the
        // window again.
        ASSERT_TRUE(Ping()) << "the program did not answer a ping";
        ASSERT_EQ(ClientSize(), userSize) << "after maximising " << time << " times";
    }
}

}  // namespace
}  // namespace morvanta::e2e
