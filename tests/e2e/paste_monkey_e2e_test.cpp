// The real window on an X server where no program owns the clipboard or the selection, as in
// a fresh session: pasting into the log box and the number boxes (Ctrl+V, Shift+Insert, the
// middle button) does nothing, text copied in the window still pastes, and thousands of
// random inputs sent from outside through XTest never crash the program. An input that ends
// the program ("End", Enter, Alt+F4) must end it with status 0; it is then started again.
//
// The inputs come from a seeded generator, so a failure replays exactly:
//   MORVANTA_X11_MONKEY_SEED=<seed> [MORVANTA_X11_MONKEY_EVENTS=<count>]
// Every failure message names the seed, the input's number and the inputs before it.

// GoogleTest before Xlib, whose macros (None, Bool) would clash with its names.
#include <gtest/gtest.h>

#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "tests/e2e/x11_session.h"

namespace morvanta::e2e {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr Rgb White{255, 255, 255};
constexpr std::uint32_t DefaultSeed = 20261209;
constexpr int DefaultEventCount = 10000;
constexpr int HistoryLength = 16;

struct Box {
    int x, y, width, height;
};
// Where the text boxes lie in the client area; a point inside each, clear of its border.
constexpr Box Memo1{432, 168, 161, 265};
constexpr Box Edit1{128, 480, 40, 21};
constexpr Box Edit2{128, 510, 40, 21};
constexpr std::array TextBoxes{Memo1, Edit1, Edit2};
// The log's first line, right of where the caret of an empty log blinks.
constexpr Box FirstLogLine{442, 172, 120, 14};
// "Trials": left alone, so that every run keeps its ten trials.
constexpr Box TrialsGroup{248, 480, 100, 50};

std::uint32_t FromEnvironment(const char* name, std::uint32_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? static_cast<std::uint32_t>(std::strtoul(text, nullptr, 10)) : fallback;
}

bool NoProgramOwns(Display* display, const char* selection) {
    return XGetSelectionOwner(display, XInternAtom(display, selection, False)) == None;
}

// Input from outside the program, as a person at the display gives it.
class XTestInput {
public:
    explicit XTestInput(Display* display) : display_(display) {}
    void MoveTo(int x, int y) const { XTestFakeMotionEvent(display_, -1, x, y, CurrentTime); }
    void Button(unsigned button, bool down) const {
        XTestFakeButtonEvent(display_, button, down, CurrentTime);
    }
    void Click(int x, int y, unsigned button) const {
        MoveTo(x, y);
        Button(button, true);
        Button(button, false);
    }
    // A key, with Ctrl or Shift held when asked.
    void Key(KeySym key, KeySym modifier = NoSymbol) const {
        const KeyCode modifierCode = modifier ? XKeysymToKeycode(display_, modifier) : 0;
        const KeyCode code = XKeysymToKeycode(display_, key);
        if (modifierCode) XTestFakeKeyEvent(display_, modifierCode, True, CurrentTime);
        XTestFakeKeyEvent(display_, code, True, CurrentTime);
        XTestFakeKeyEvent(display_, code, False, CurrentTime);
        if (modifierCode) XTestFakeKeyEvent(display_, modifierCode, False, CurrentTime);
    }
    void Sync() const { XSync(display_, False); }

private:
    Display* display_;
};

class PasteTest : public ::testing::Test {
protected:
    void SetUp() override {
        display_ = XOpenDisplay(nullptr);
        ASSERT_NE(display_, nullptr) << "no X display: run under with_xvfb.sh";
        int event = 0, error = 0, major = 0, minor = 0;
        ASSERT_TRUE(XTestQueryExtension(display_, &event, &error, &major, &minor));
        ASSERT_TRUE(NoProgramOwns(display_, "CLIPBOARD") && NoProgramOwns(display_, "PRIMARY"))
            << "the test needs an empty clipboard and selection";
        // Files saved from the plot's menu land here.
        dir_ = fs::temp_directory_path() / ("morvanta-paste-" + std::to_string(getpid()));
        fs::create_directories(dir_);
        fs::current_path(dir_);
        Start();
    }
    void TearDown() override {
        program_.reset();
        if (display_) XCloseDisplay(display_);
        fs::current_path(dir_.parent_path());
        fs::remove_all(dir_);
    }
    void Start() {
        program_.reset();
        program_ = std::make_unique<ProgramWindow>(ProgramPath, (dir_ / "stderr.txt").string());
        ASSERT_TRUE(program_->WaitForWindow(Patience)) << "the window did not show";
        Window child = 0;
        XTranslateCoordinates(display_, program_->Id(), DefaultRootWindow(display_), 0, 0, &left_,
                              &top_, &child);
        XWindowAttributes attributes{};
        XGetWindowAttributes(display_, program_->Id(), &attributes);
        width_ = attributes.width;
        height_ = attributes.height;
    }
    // A point of the window in screen coordinates.
    int X(int x) const { return left_ + x; }
    int Y(int y) const { return top_ + y; }
    int InkInFirstLogLine() const {
        const Box& b = FirstLogLine;
        return b.width * b.height - program_->Grab()->Count(White, b.x, b.y, b.width, b.height);
    }

    Display* display_ = nullptr;
    fs::path dir_;
    std::unique_ptr<ProgramWindow> program_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

TEST_F(PasteTest, PastingWithAnEmptyClipboardDoesNothing) {
    const XTestInput input(display_);
    for (const Box& box : {Memo1, Edit1, Edit2}) {
        const int x = X(box.x + box.width / 2), y = Y(box.y + 10);
        input.Click(x, y, 1);
        input.Key(XK_v, XK_Control_L);
        input.Key(XK_Insert, XK_Shift_L);
        input.Click(x, y, 2);
    }
    input.Sync();
    // Once the window has taken a click after the pastes, it has handled them.
    program_->Click(Memo1.x + 20, Memo1.y + 100);
    EXPECT_FALSE(program_->WaitForExit(1s).has_value()) << "the program ended on a paste";
    EXPECT_EQ(InkInFirstLogLine(), 0) << "something was pasted into the log";
}

TEST_F(PasteTest, TextCopiedInTheWindowStillPastes) {
    program_->Click(Edit1.x + 20, Edit1.y + 10);
    program_->Key("4 2 ctrl+a ctrl+c");
    program_->Click(Memo1.x + 20, Memo1.y + 10);
    program_->Key("ctrl+v");
    EXPECT_TRUE(program_->WaitFor([&] { return InkInFirstLogLine() > 0; }, Patience))
        << "the copied number did not arrive in the log";
    EXPECT_FALSE(program_->WaitForExit(0ms).has_value());
}

// What one random input is: where it goes and what it does, for the failure message.
std::string Describe(int kind, int x, int y) {
    static const char* const Kinds[] = {"left click",
                                        "left click in a text box",
                                        "middle click in a text box",
                                        "right click",
                                        "Ctrl+V",
                                        "Shift+Insert",
                                        "a letter",
                                        "Ctrl+A Ctrl+C",
                                        "Tab",
                                        "Escape",
                                        "Enter"};
    return std::string(Kinds[kind]) + " at (" + std::to_string(x) + "," + std::to_string(y) + ")";
}

TEST_F(PasteTest, RandomInputNeverCrashes) {
    const std::uint32_t seed = FromEnvironment("MORVANTA_X11_MONKEY_SEED", DefaultSeed);
    const int events =
        static_cast<int>(FromEnvironment("MORVANTA_X11_MONKEY_EVENTS", DefaultEventCount));
    std::printf("x11 monkey: seed %u (replay with MORVANTA_X11_MONKEY_SEED=%u), %d events\n", seed,
                seed, events);
    std::mt19937 random(seed);
    // Paste keys and clicks in the text boxes are most of what is sent.
    std::discrete_distribution<int> kinds({12, 15, 15, 3, 12, 12, 10, 5, 5, 8, 3});
    const XTestInput input(display_);
    std::deque<std::string> history;
    int restarts = 0;
    const auto where = [&](int i) {
        std::string text =
            "seed " + std::to_string(seed) + ", input " + std::to_string(i) + " after:";
        for (const std::string& line : history) text += "\n  " + line;
        return text;
    };
    for (int i = 0; i < events; ++i) {
        const int kind = kinds(random);
        const Box box = TextBoxes[random() % TextBoxes.size()];
        int x = static_cast<int>(random() % static_cast<unsigned>(width_));
        int y = static_cast<int>(random() % static_cast<unsigned>(height_));
        if (kind == 1 || kind == 2) {
            x = box.x + 3 + static_cast<int>(random() % static_cast<unsigned>(box.width - 6));
            y = box.y + 3 + static_cast<int>(random() % static_cast<unsigned>(box.height - 6));
        } else if (x >= TrialsGroup.x && x < TrialsGroup.x + TrialsGroup.width &&
                   y >= TrialsGroup.y && y < TrialsGroup.y + TrialsGroup.height) {
            y = TrialsGroup.y - 1 - y % 16;
        }
        input.MoveTo(X(x), Y(y));
        switch (kind) {
            case 0:
            case 1:
                input.Click(X(x), Y(y), 1);
                break;
            case 2:
                input.Click(X(x), Y(y), 2);
                break;
            case 3:
                input.Click(X(x), Y(y), 3);
                break;
            case 4:
                input.Key(XK_v, XK_Control_L);
                break;
            case 5:
                input.Key(XK_Insert, XK_Shift_L);
                break;
            case 6:
                input.Key(XK_a + static_cast<KeySym>(random() % 26));
                break;
            case 7:
                input.Key(XK_a, XK_Control_L);
                input.Key(XK_c, XK_Control_L);
                break;
            case 8:
                input.Key(XK_Tab);
                break;
            case 9:
                input.Key(XK_Escape);
                break;
            default:
                input.Key(XK_Return);
                break;
        }
        input.Sync();
        history.push_back(Describe(kind, x, y));
        if (history.size() > HistoryLength) history.pop_front();
        if (const auto status = program_->WaitForExit(0ms)) {
            ASSERT_EQ(*status, 0) << "the program ended badly; " << where(i);
            ++restarts;
            Start();
        }
    }
    // Menus and boxes closed, then a close request: handled once every input before it is.
    for (int i = 0; i < 3; ++i) input.Key(XK_Escape);
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = program_->Id();
    close.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, program_->Id(), False, NoEventMask, &close);
    input.Sync();
    const auto status = program_->WaitForExit(2 * Patience);
    if (status) {
        EXPECT_EQ(*status, 0) << "the program ended badly; " << where(events);
    }
    std::printf("x11 monkey: %d inputs, %d restarts, closed at the end: %s\n", events, restarts,
                status ? "yes" : "no (a dialog held it)");
}

}  // namespace
}  // namespace morvanta::e2e
