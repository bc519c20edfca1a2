// The real program in a real X window: it opens with the plot in place, runs a trial when
// "Start" is clicked, clears the plot when it is clicked, and ends when "End" is clicked.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <vector>

#include "tests/e2e/x11_session.h"

namespace morvanta::e2e {
namespace {

using namespace std::chrono_literals;

constexpr Rgb Navy{0, 0, 128};
constexpr Rgb White{255, 255, 255};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Aqua{0, 255, 255};

// The paint box's place in the window's client area.
constexpr int MapLeft = 24;
constexpr int MapTop = 40;

struct Rect {
    int x, y, width, height;
    bool Contains(int px, int py) const {
        return px >= x && px < x + width && py >= y && py < y + height;
    }
};

// A radio group's items, in item order, where they lie in the window.
struct RadioItems {
    const char* caption;
    std::array<Rect, 4> items;
};
// "Trials" at (248, 480): two columns of 45 x 16; "Fixed" at (360, 480): one column of
// 111 x 13.
const RadioItems Trials{
    "Trials", {{{256, 494, 45, 16}, {256, 510, 45, 16}, {301, 494, 45, 16}, {301, 510, 45, 16}}}};
const RadioItems Fixed{
    "Fixed",
    {{{368, 495, 111, 13}, {368, 508, 111, 13}, {368, 521, 111, 13}, {368, 534, 111, 13}}}};

// Which item shows the navy dot of the selected one in its indicator, at the item's left;
// -1 when none does, -2 when more than one does.
int SelectedItem(const Screenshot& shot, const RadioItems& group) {
    int selected = -1;
    for (int i = 0; i < 4; ++i) {
        const Rect& r = group.items[static_cast<std::size_t>(i)];
        if (shot.Count(Navy, r.x + 2, r.y, 8, r.height) < 4) continue;
        selected = selected == -1 ? i : -2;
    }
    return selected;
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        program_ = std::make_unique<ProgramWindow>(ProgramPath);
        ASSERT_TRUE(program_->WaitForWindow(Patience)) << "the window did not show";
    }
    // Saves the screenshot as NAME.ppm in the working folder for a person to look at; it
    // checks nothing.
    void Keep(const Screenshot& shot, const char* name) const {
        shot.SavePpm(std::string(name) + ".ppm");
    }
    int EndDots(const Screenshot& shot) const {
        return shot.Count(Red, MapLeft, MapTop, 400, 400) +
               shot.Count(Aqua, MapLeft, MapTop, 400, 400);
    }
    int Selected(const RadioItems& group) const { return SelectedItem(*program_->Grab(), group); }
    bool WaitForSelected(const RadioItems& group, int item) const {
        return program_->WaitFor([&] { return Selected(group) == item; }, Patience);
    }
    void ClickMiddle(const Rect& r) const {
        program_->Click(r.x + r.width / 2, r.y + r.height / 2);
    }
    std::unique_ptr<ProgramWindow> program_;
};

TEST_F(ProgramTest, OpensWithTheEmptyPlotInPlace) {
    const auto shot = program_->Grab();
    Keep(*shot, "e2e_start");
    EXPECT_EQ(shot->At(MapLeft + 200, MapTop + 200), Navy);
    EXPECT_EQ(shot->At(MapLeft, MapTop), Navy);
    EXPECT_EQ(shot->At(MapLeft + 399, MapTop + 399), Navy);
    EXPECT_NE(shot->At(MapLeft - 1, MapTop + 200), Navy) << "the plot starts at x = 24";
    EXPECT_NE(shot->At(MapLeft + 400, MapTop + 200), Navy) << "the plot is 400 wide";
    // The axes: x = 20 down to y = 380, then along y = 380 up to, not including, x = 380.
    EXPECT_EQ(shot->At(MapLeft + 20, MapTop + 200), White);
    EXPECT_EQ(shot->At(MapLeft + 20, MapTop + 379), White);
    EXPECT_EQ(shot->At(MapLeft + 200, MapTop + 380), White);
    EXPECT_EQ(shot->At(MapLeft + 379, MapTop + 380), White);
    EXPECT_EQ(shot->At(MapLeft + 380, MapTop + 380), Navy);
    EXPECT_EQ(shot->At(MapLeft + 21, MapTop + 200), Navy);
}

TEST_F(ProgramTest, OneTrialThenClickOnThePlotThenEnd) {
    // "Trials" item "1" lies at (8, 14) in the group at (248, 480).
    program_->Click(248 + 8 + 10, 480 + 14 + 8);
    program_->Click(488 + 37, 480 + 12);  // "Start"
    ASSERT_TRUE(program_->WaitFor([&] { return EndDots(*program_->Grab()) > 0; }, Patience))
        << "no end dot appeared";
    const auto run = program_->Grab();
    Keep(*run, "e2e_after_run");
    EXPECT_EQ(run->At(MapLeft + 170, MapTop + 230), White) << "the start dot of (0.5, 0.5)";

    program_->Click(MapLeft + 300, MapTop + 300);
    ASSERT_TRUE(program_->WaitFor([&] { return EndDots(*program_->Grab()) == 0; }, Patience));
    const auto cleared = program_->Grab();
    Keep(*cleared, "e2e_cleared");
    EXPECT_EQ(cleared->At(MapLeft + 170, MapTop + 230), Navy);
    EXPECT_EQ(cleared->At(MapLeft + 20, MapTop + 200), White);

    program_->Click(488 + 37, 512 + 12);  // "End"
    // A generous bound: a sanitized build on a busy machine takes seconds to exit.
    const auto status = program_->WaitForExit(Patience);
    ASSERT_TRUE(status.has_value()) << "still running half a minute after End";
    EXPECT_EQ(*status, 0);
}

TEST_F(ProgramTest, TenTrialsFanOutFromOneStartDot) {
    program_->Click(488 + 37, 480 + 12);  // "Start" with the default 10 trials
    // The run is over when "Normal End of Job" shows in the log's first line.
    const auto logWritten = [&] {
        const auto shot = program_->Grab();
        return shot->Count(White, 432 + 4, 168 + 4, 120, 14) < 120 * 14;
    };
    ASSERT_TRUE(program_->WaitFor(logWritten, Patience)) << "the log stayed empty";
    const auto shot = program_->Grab();
    Keep(*shot, "e2e_ten_trials");
    EXPECT_EQ(shot->At(MapLeft + 170, MapTop + 230), White);
    EXPECT_GE(EndDots(*shot), 10 * 4) << "ten end dots, each with a 4 x 4 coloured middle";
}

TEST_F(ProgramTest, EveryPixelOfARadioItemSelectsItAndNoneOutside) {
    for (const RadioItems* group : {&Trials, &Fixed}) {
        const RadioItems& other = group == &Trials ? Fixed : Trials;
        for (std::size_t i = 0; i < 4; ++i) {
            const Rect& r = group->items[i];
            const std::size_t previous = (i + 1) % 4;
            const int right = r.x + r.width - 1, bottom = r.y + r.height - 1;
            const int middleX = r.x + r.width / 2, middleY = r.y + r.height / 2;
            for (const auto& [x, y] : {std::pair{r.x, r.y},
                                       {right, r.y},
                                       {r.x, bottom},
                                       {right, bottom},
                                       {right, middleY}}) {
                ClickMiddle(group->items[previous]);
                ASSERT_TRUE(WaitForSelected(*group, int(previous)));
                program_->Click(x, y);
                EXPECT_TRUE(WaitForSelected(*group, int(i)))
                    << group->caption << " item " << i << " at (" << x << ", " << y << ")";
            }
            // Just outside, on each side where no other item lies, nothing changes. A click on
            // the other group afterwards shows when the program has handled the first click.
            for (const auto& [x, y] : {std::pair{r.x - 1, middleY},
                                       {right + 1, middleY},
                                       {middleX, r.y - 1},
                                       {middleX, bottom + 1}}) {
                if (std::any_of(group->items.begin(), group->items.end(),
                                [&](const Rect& item) { return item.Contains(x, y); }))
                    continue;
                const int marker = Selected(other) == 0 ? 1 : 0;
                program_->Click(x, y);
                ClickMiddle(other.items[static_cast<std::size_t>(marker)]);
                ASSERT_TRUE(WaitForSelected(other, marker));
                EXPECT_EQ(Selected(*group), int(i))
                    << group->caption << ": a click at (" << x << ", " << y << ") changed it";
            }
        }
    }
}

TEST_F(ProgramTest, EnterBeforeAnyActivationRunsStart) {
    // With no window manager nothing activates the window; the focus is on "Start" all the
    // same, and Enter goes to it.
    ASSERT_FALSE(program_->HasInputFocus());
    program_->Key("Return");
    const auto logWritten = [&] {
        return program_->Grab()->Count(White, 432 + 4, 168 + 4, 120, 14) < 120 * 14;
    };
    std::optional<int> ended;
    const auto runOrEnd = [&] { return (ended = program_->WaitForExit(0ms)) || logWritten(); };
    ASSERT_TRUE(program_->WaitFor(runOrEnd, Patience)) << "no run: the log stayed empty";
    ASSERT_FALSE(ended.has_value()) << "Enter clicked End";
    EXPECT_FALSE(program_->HasInputFocus());
}

TEST_F(ProgramTest, ArrowKeysGoRoundEachGroupInItemOrder) {
    struct Step {
        const char* key;
        int selected;
    };
    const std::pair<const RadioItems*, std::vector<Step>> cases[] = {
        {&Trials, {{"Right", 2}, {"Down", 3}, {"Down", 0}, {"Left", 3}, {"Up", 2}, {"Up", 1}}},
        {&Fixed, {{"Down", 0}, {"Right", 1}, {"Up", 0}, {"Left", 3}, {"Up", 2}}},
    };
    for (const auto& [group, steps] : cases) {
        // A click on the far corner of "10" or "?" selects and focuses it.
        const int start = group == &Trials ? 1 : 3;
        const Rect& r = group->items[static_cast<std::size_t>(start)];
        program_->Click(r.x + r.width - 1, r.y + r.height - 1);
        ASSERT_TRUE(WaitForSelected(*group, start)) << group->caption;
        for (const Step& step : steps) {
            program_->Key(step.key);
            EXPECT_TRUE(WaitForSelected(*group, step.selected))
                << group->caption << ": " << step.key << " gave item " << Selected(*group)
                << " instead of " << step.selected;
        }
    }
}

TEST_F(ProgramTest, AltF4EndsTheProgram) {
    program_->Key("alt+F4");
    const auto status = program_->WaitForExit(Patience);
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(*status, 0);
}

}  // namespace
}  // namespace morvanta::e2e
