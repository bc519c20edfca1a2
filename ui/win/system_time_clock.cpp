#include "ui/win/system_time_clock.h"

#include <windows.h>

namespace morvanta {

TimeOfDay SystemTimeClock::NowUtc() const {
    SYSTEMTIME now;
    GetSystemTime(&now);
    return TimeOfDay{now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

}  // namespace morvanta
