#include "ui/qt/widgets/fault_points.h"

#include <array>
#include <new>

namespace morvanta {
namespace {

std::array<bool, static_cast<std::size_t>(FaultPoint::Count)> armed{};

}  // namespace

void ArmFault(FaultPoint point) { armed[static_cast<std::size_t>(point)] = true; }

void DisarmFaults() { armed.fill(false); }

void ReachFaultPoint(FaultPoint point) {
    bool& fault = armed[static_cast<std::size_t>(point)];
    if (!fault) return;
    fault = false;
    throw std::bad_alloc();
}

}  // namespace morvanta
