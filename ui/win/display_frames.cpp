#include "ui/win/display_frames.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace morvanta {
namespace {

constexpr int FallbackRefreshRate = 60;

std::int64_t CounterFrequency() {
    static const std::int64_t frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return frequency;
}

}  // namespace

DisplayFrames::DisplayFrames(std::vector<FramePart*> parts) : parts_(std::move(parts)) {
    SetRefreshRate(FallbackRefreshRate);
}

std::chrono::nanoseconds DisplayFrames::Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const std::int64_t frequency = CounterFrequency();
    // Whole seconds and the rest apart: the product stays inside 64 bits.
    return std::chrono::seconds(now.QuadPart / frequency) +
           std::chrono::nanoseconds(now.QuadPart % frequency * 1'000'000'000 / frequency);
}

int DisplayFrames::RefreshRate(HWND window) {
    HDC dc = GetDC(window);
    const int rate = GetDeviceCaps(dc, VREFRESH);
    ReleaseDC(window, dc);
    return rate > 1 ? rate : FallbackRefreshRate;
}

void DisplayFrames::SetRefreshRate(int rate) {
    ticksPerRefresh_ = double(CounterFrequency()) / double(rate > 1 ? rate : FallbackRefreshRate);
    nextRefresh_ = 0;  // the next look sends
    untilLook_ = 0;
}

bool DisplayFrames::Look() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    const std::int64_t now = counter.QuadPart;
    // As many changes to the next look as came in a sixteenth of a refresh so far, within
    // bounds that keep a change that suddenly takes long from holding a frame back.
    constexpr std::int64_t MaxChangesPerLook = 256;
    const double changes = double(changesPerLook_ - std::max<std::int64_t>(untilLook_, 0));
    const double elapsed = double(std::max<std::int64_t>(now - lastLook_, 1));
    changesPerLook_ = std::clamp<std::int64_t>(
        static_cast<std::int64_t>(changes * ticksPerRefresh_ / 16 / elapsed), 1, MaxChangesPerLook);
    untilLook_ = changesPerLook_;
    lastLook_ = now;
    if (now < nextRefresh_) return false;
    Send();
    // The start of the refresh after this one, in counter ticks.
    const double refresh = std::floor(double(now) / ticksPerRefresh_);
    nextRefresh_ = static_cast<std::int64_t>(std::ceil((refresh + 1) * ticksPerRefresh_));
    return true;
}

void DisplayFrames::Send() {
    for (FramePart* part : parts_) part->SendChanges();
}

}  // namespace morvanta
