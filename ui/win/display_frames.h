#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <vector>

namespace morvanta {

// A part of the window that a run changes faster than a display shows it (the plot, a number
// box): it keeps its latest look itself and sends what changed since its last frame.
class FramePart {
public:
    virtual ~FramePart() = default;
    virtual void SendChanges() = 0;
};

// How a run reaches the screen: every step is drawn, in order, into the parts' own state, and
// what changed is sent to the window once a refresh of the display, all parts together. A
// display shows a window's changes at its next refresh whatever the program sends it (the
// desktop compositor composes GDI's drawing so), so this is all a person can see of "at once".
class DisplayFrames {
public:
    // The parts, in the order their changes are sent; they must outlive this.
    explicit DisplayFrames(std::vector<FramePart*> parts);

    // The display's clock: the performance counter, counted from an epoch that stays put.
    static std::chrono::nanoseconds Now();
    // The refreshes a second of the display the window is on: what the device reports, 60
    // where it reports none (0 or 1, "the hardware's default").
    static int RefreshRate(HWND window);

    // Something changed: at a new refresh every part's changes are sent; else nothing. The
    // clock is read at about every sixteenth of a refresh, by the changes' own pace: a look at
    // it costs more than a step's drawing.
    void Tick() {
        if (--untilLook_ <= 0) Look();
    }
    // Reads the clock now and sends at a new refresh (a run that waits for its next step);
    // whether it sent.
    bool Look();
    // Sends every part's changes now (a run's end).
    void Send();
    // Sets the refreshes a second.
    void SetRefreshRate(int rate);

private:
    std::vector<FramePart*> parts_;
    double ticksPerRefresh_ = 0;  // of the performance counter
    std::int64_t nextRefresh_ = 0;
    std::int64_t lastLook_ = 0;
    std::int64_t changesPerLook_ = 1;  // the changes between two looks at the clock
    std::int64_t untilLook_ = 0;
};

}  // namespace morvanta
