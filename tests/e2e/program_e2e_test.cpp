// The real program in a real X window: it opens with the plot in place, runs a trial when
// "Start" is clicked, clears the plot when it is clicked, and ends when "End" is clicked.

#include <gtest/gtest.h>

#include <chrono>

#include "tests/e2e/x11_session.h"

namespace morvanta::e2e {
namespace {

using namespace std::chrono_literals;

const char* ProgramPath = nullptr;

constexpr Rgb Navy{0, 0, 128};
constexpr Rgb White{255, 255, 255};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Aqua{0, 255, 255};

// The paint box's place in the window's client area.
constexpr int MapLeft = 24;
constexpr int MapTop = 40;

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        program_ = std::make_unique<ProgramWindow>(ProgramPath);
        ASSERT_TRUE(program_->WaitForWindow(10s)) << "the window did not show";
    }
    // Fails the test with a screenshot on disk for a person to look at.
    void Keep(const Screenshot& shot, const char* name) const {
        shot.SavePpm(std::string(name) + ".ppm");
    }
    int EndDots(const Screenshot& shot) const {
        return shot.Count(Red, MapLeft, MapTop, 400, 400) +
               shot.Count(Aqua, MapLeft, MapTop, 400, 400);
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
    ASSERT_TRUE(program_->WaitFor([&] { return EndDots(*program_->Grab()) > 0; }, 20s))
        << "no end dot appeared";
    const auto run = program_->Grab();
    Keep(*run, "e2e_after_run");
    EXPECT_EQ(run->At(MapLeft + 170, MapTop + 230), White) << "the start dot of (0.5, 0.5)";

    program_->Click(MapLeft + 300, MapTop + 300);
    ASSERT_TRUE(program_->WaitFor([&] { return EndDots(*program_->Grab()) == 0; }, 5s));
    const auto cleared = program_->Grab();
    Keep(*cleared, "e2e_cleared");
    EXPECT_EQ(cleared->At(MapLeft + 170, MapTop + 230), Navy);
    EXPECT_EQ(cleared->At(MapLeft + 20, MapTop + 200), White);

    program_->Click(488 + 37, 512 + 12);  // "End"
    const auto status = program_->WaitForExit(1s);
    ASSERT_TRUE(status.has_value()) << "still running a second after End";
    EXPECT_EQ(*status, 0);
}

TEST_F(ProgramTest, TenTrialsFanOutFromOneStartDot) {
    program_->Click(488 + 37, 480 + 12);  // "Start" with the default 10 trials
    // The run is over when "Normal End of Job" shows in the log's first line.
    const auto logWritten = [&] {
        const auto shot = program_->Grab();
        return shot->Count(White, 432 + 4, 168 + 4, 120, 14) < 120 * 14;
    };
    ASSERT_TRUE(program_->WaitFor(logWritten, 60s)) << "the log stayed empty";
    const auto shot = program_->Grab();
    Keep(*shot, "e2e_ten_trials");
    EXPECT_EQ(shot->At(MapLeft + 170, MapTop + 230), White);
    EXPECT_GE(EndDots(*shot), 10 * 4) << "ten end dots, each with a 4 x 4 coloured middle";
}

TEST_F(ProgramTest, AltF4EndsTheProgram) {
    program_->Key("alt+F4");
    const auto status = program_->WaitForExit(2s);
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(*status, 0);
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
