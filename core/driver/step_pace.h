#pragma once

#include <chrono>
#include <cstdint>

namespace morvanta {

// The paces a teacher can choose, in steps a second; Full is as fast as the run goes.
inline constexpr int FullPace = 0;
inline constexpr int FastPace = 2000;
inline constexpr int SlowPace = 200;
// The fastest pace a link or command line may ask for.
inline constexpr int MaxPace = 1'000'000;

// The line a run ended early by the user's Escape leaves in the log instead of the end of job.
inline constexpr const char* EndedByEscapeLine = "Run ended early by Escape";

// How many steps a paced run may have taken by a time: one at once, then one more every
// 1 / pace seconds. The times are the caller's (a display's frame clock), counted from any
// epoch that stays the same for the run.
class StepPace {
public:
    // Steps a second; FullPace (or less) sets no limit.
    explicit StepPace(int stepsPerSecond) : pace_(stepsPerSecond) {}

    bool Full() const { return pace_ <= FullPace; }
    // The run starts now.
    void Start(std::chrono::nanoseconds now);
    // Whether one more step may be taken now; a step allowed is counted as taken.
    bool MayStep(std::chrono::nanoseconds now);

private:
    int pace_;
    std::chrono::nanoseconds start_{0};
    std::int64_t taken_ = 0;
};

}  // namespace morvanta
