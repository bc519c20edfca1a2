// How long this process has been running, counted from the kernel's record of its start, so
// that loading the shared libraries and running static initializers count too. The start-up
// benchmarks print it when their window's first frame is on screen.
#pragma once

#include <time.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace morvanta::bench {

// Milliseconds from this process's start to now, or a negative value if /proc cannot be read.
//
// The kernel records the start on CLOCK_BOOTTIME and shows it in /proc/self/stat (field 22)
// truncated to clock ticks, usually 100 a second. The true start lies somewhere inside that
// tick, so half a tick is taken off: the result is within half a tick (5 ms at 100 Hz) of
// the truth. The start is the fork, not the exec; a launcher spends well under a millisecond
// between the two.
inline double MillisecondsSinceProcessStart() {
    timespec now{};
    if (clock_gettime(CLOCK_BOOTTIME, &now) != 0) return -1.0;

    std::ifstream file("/proc/self/stat");
    const std::string stat{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    // Field 2 is the command name in parentheses and may contain spaces and ')': the fields
    // are counted from the last ')', after which field 3 comes first.
    const auto name_end = stat.rfind(')');
    if (name_end == std::string::npos) return -1.0;
    std::istringstream fields(stat.substr(name_end + 1));
    std::string skipped;
    for (int field = 3; field < 22; ++field) fields >> skipped;
    unsigned long long start_ticks = 0;
    if (!(fields >> start_ticks)) return -1.0;

    const long ticks_per_second = sysconf(_SC_CLK_TCK);
    if (ticks_per_second <= 0) return -1.0;
    const double tick_ms = 1000.0 / static_cast<double>(ticks_per_second);
    const double start_ms = (static_cast<double>(start_ticks) + 0.5) * tick_ms;
    const double now_ms =
        static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1.0e6;
    return now_ms - start_ms;
}

}  // namespace morvanta::bench
