#include "core/driver/step_pace.h"

namespace morvanta {

void StepPace::Start(std::chrono::nanoseconds now) {
    start_ = now;
    taken_ = 0;
}

bool StepPace::MayStep(std::chrono::nanoseconds now) {
    if (Full()) return true;
    const std::int64_t elapsed = (now - start_).count();
    // 1 + floor(elapsed * pace / 1 s), in whole numbers: a run of an hour at 2,000 steps a
    // second stays far inside 64 bits.
    const std::int64_t allowed = 1 + (elapsed > 0 ? elapsed * pace_ / 1'000'000'000 : 0);
    if (taken_ >= allowed) return false;
    ++taken_;
    return true;
}

}  // namespace morvanta
