#pragma once

#include <chrono>
#include <string>

namespace morvanta {

// "runs: 120 of 1000" on a terminal's standard error, once the work has taken a second, at
// most every tenth of a second.
class Progress {
public:
    explicit Progress(long total);
    ~Progress();
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;
    void Done(long runs);

private:
    using Clock = std::chrono::steady_clock;
    long total_;
    bool shown_;
    bool said_ = false;
    Clock::time_point start_ = Clock::now();
    Clock::time_point last_{};
};

}  // namespace morvanta
