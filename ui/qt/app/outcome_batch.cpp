#include "ui/qt/app/outcome_batch.h"

#include <unistd.h>

#include <iostream>

namespace morvanta {

Progress::Progress(long total) : total_(total), shown_(::isatty(STDERR_FILENO) == 1) {}

Progress::~Progress() {
    if (said_) std::cerr << '\n';
}

void Progress::Done(long runs) {
    if (!shown_) return;
    const auto now = Clock::now();
    if (now - start_ < std::chrono::seconds(1) || now - last_ < std::chrono::milliseconds(100))
        return;
    last_ = now;
    said_ = true;
    std::cerr << "\rruns: " << runs << " of " << total_ << std::flush;
}

}  // namespace morvanta
