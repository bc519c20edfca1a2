// What this process has written so far, whatever it wrote to: the benchmarks count the bytes
// a run sends to the X server as the growth of this figure over the run.
#pragma once

#include <fstream>
#include <string>

namespace morvanta::bench {

// The "wchar" line of /proc/self/io, or -1 if it cannot be read.
inline long long BytesWritten() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value)
        if (key == "wchar:") return value;
    return -1;
}

}  // namespace morvanta::bench
