#pragma once

#include "core/clock_source.h"

namespace morvanta {

// The system clock's UTC time of day as Windows gives it (GetSystemTime), to the millisecond.
class SystemTimeClock : public ClockSource {
public:
    TimeOfDay NowUtc() const override;
};

}  // namespace morvanta
