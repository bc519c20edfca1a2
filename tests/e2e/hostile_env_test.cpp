// The real program started where a window is hard to make: no display, a display that is
// not there, no fonts, a font configuration of the user's, and screens of every colour
// depth. Each start either shows a working window or ends at once with status 1 and one
// line on the standard error stream saying why; none aborts or leaves a core file. The
// depth of the screen is the X server's, set by with_xvfb.sh from MORVANTA_XVFB_DEPTH.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <thread>

#include "tests/e2e/x11_session.h"

namespace morvanta::e2e {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

int Lines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// An environment variable set (or, given nothing, unset) while this lives.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

class HostileEnvironmentTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A crash would leave a core file here, where the test can see it.
        rlimit core{};
        getrlimit(RLIMIT_CORE, &core);
        core.rlim_cur = core.rlim_max;
        setrlimit(RLIMIT_CORE, &core);
        dir_ = fs::temp_directory_path() / ("morvanta-hostile-" + std::to_string(getpid()));
        fs::create_directories(dir_);
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(dir_.parent_path());
        fs::remove_all(dir_);
    }

    // Starts the program and waits for it to end; its exit status (128 + the signal when one
    // ended it), or nothing when it still runs after the timeout (it is then stopped).
    std::optional<int> RunToEnd() {
        const pid_t pid = fork();
        if (pid == 0) {
            if (childLimits_) childLimits_();
            std::freopen(StderrPath().c_str(), "w", stderr);
            execl(ProgramPath, ProgramPath, static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        for (int waited = 0; waited < 200; ++waited) {
            if (waitpid(pid, &status, WNOHANG) == pid)
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            std::this_thread::sleep_for(50ms);
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return std::nullopt;
    }
    void ExpectRefusal(const std::string& reason) {
        const auto status = RunToEnd();
        ASSERT_TRUE(status.has_value()) << "the program neither showed a window nor ended";
        EXPECT_EQ(*status, 1);
        const std::string text = Stderr();
        EXPECT_EQ(Lines(text), 1) << text;
        EXPECT_NE(text.find(reason), std::string::npos) << text;
        EXPECT_FALSE(CoreFileLeft());
    }
    // The window is mapped, painted, and takes a click in the log box (which crashed on a
    // screen the toolkit could not paint).
    void ExpectWorkingWindow(ProgramWindow& program) {
        ASSERT_TRUE(program.WaitForWindow(Patience))
            << "the window did not show; stderr: " << Stderr();
        program.Click(432 + 80, 168 + 100);
        EXPECT_FALSE(program.WaitForExit(500ms).has_value()) << "ended after a click in the log";
        EXPECT_TRUE(Near(program.Grab()->At(24 + 200, 40 + 200), Rgb{0, 0, 128}));
    }
    bool CoreFileLeft() const {
        for (const auto& entry : fs::directory_iterator(dir_))
            if (entry.path().filename().string().starts_with("core")) return true;
        return false;
    }
    std::string StderrPath() const { return (dir_ / "stderr.txt").string(); }
    std::string Stderr() const { return ReadFile(StderrPath()); }
    fs::path dir_;
    // What the started program's process sets for itself before it runs the program.
    std::function<void()> childLimits_;
};

TEST_F(HostileEnvironmentTest, NoDisplaySet) {
    const ScopedEnv noDisplay("DISPLAY", std::nullopt);
    ExpectRefusal("DISPLAY is not set");
}

TEST_F(HostileEnvironmentTest, DisplayThatIsNotThere) {
    int number = 197;
    while (fs::exists("/tmp/.X11-unix/X" + std::to_string(number)) ||
           fs::exists("/tmp/.X" + std::to_string(number) + "-lock"))
        ++number;
    const std::string name = ":" + std::to_string(number);
    const ScopedEnv deadDisplay("DISPLAY", name);
    ExpectRefusal("cannot open display \"" + name + "\"");
}

TEST_F(HostileEnvironmentTest, NoFontsKeepsTheDesignedSizes) {
    const fs::path config = dir_ / "fonts.conf";
    std::ofstream(config) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    const ScopedEnv noFonts("FONTCONFIG_FILE", config.string());
    ProgramWindow program(ProgramPath, StderrPath());
    ExpectWorkingWindow(program);
    EXPECT_EQ(program.Grab()->Width(), 623 - 8) << "the designed client width";
    const std::string text = Stderr();
    EXPECT_EQ(Lines(text), 1) << text;
    EXPECT_NE(text.find("the default font"), std::string::npos) << text;
}

// No thread can be made: each thread's stack is as large as the stack limit, which is more
// than the address space may hold. (A limit on processes, prlimit --nproc=1, does the same
// for a user other than root.) The toolkit would wait for ever for its D-Bus thread.
TEST_F(HostileEnvironmentTest, NoThreadCanStart) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer cannot run under an address-space limit";
#endif
    childLimits_ = [] {
        constexpr rlim_t GiB = rlim_t{1} << 30;
        const rlimit stack{64 * GiB, 64 * GiB};
        const rlimit space{32 * GiB, 32 * GiB};
        setrlimit(RLIMIT_STACK, &stack);
        setrlimit(RLIMIT_AS, &space);
    };
    ExpectRefusal("cannot start a thread");
}

// With no window manager the window goes where it asks to go: its stored place, or, on a
// screen too small for it there, as far up and left as it must (run on an 800 x 600 screen as
// hostile_env_test_small_screen), never off the screen's top-left corner.
TEST_F(HostileEnvironmentTest, ScreenPlacement) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    const int width = DisplayWidth(display, DefaultScreen(display));
    const int height = DisplayHeight(display, DefaultScreen(display));
    ProgramWindow program(ProgramPath, StderrPath());
    ASSERT_TRUE(program.WaitForWindow(Patience)) << Stderr();
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display, program.Id(), DefaultRootWindow(display), 0, 0, &x, &y, &child);
    XCloseDisplay(display);
    EXPECT_EQ(x, std::max(0, std::min(227, width - 623))) << "on a " << width << " x " << height;
    EXPECT_EQ(y, std::max(0, std::min(60, height - 610))) << "on a " << width << " x " << height;
}

// Run at each depth under test: a working window where the toolkit can paint, else a refusal.
TEST_F(HostileEnvironmentTest, ScreenDepth) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    const int depth = DefaultDepth(display, DefaultScreen(display));
    XCloseDisplay(display);
    if (depth < 15) {
        ExpectRefusal(std::to_string(depth) + "-bit colour");
        return;
    }
    ProgramWindow program(ProgramPath, StderrPath());
    ExpectWorkingWindow(program);
    EXPECT_EQ(Stderr(), "") << "at depth " << depth;
}

}  // namespace
}  // namespace morvanta::e2e
