#pragma once

namespace morvanta {

// Places in the window's code where a test can make an allocation fail on purpose, to see
// what the program does with an out-of-memory error raised there. A point that no test has
// armed does nothing.
enum class FaultPoint {
    NumberBoxShow,   // a number box taking a new number during a run
    NumberBoxPaint,  // a number box painting itself (called by the toolkit)
    ErrorBox,        // the error box being built
    Count
};

// The next time the point is reached it raises std::bad_alloc, once.
void ArmFault(FaultPoint point);
void DisarmFaults();
// Raises std::bad_alloc when the point is armed.
void ReachFaultPoint(FaultPoint point);

}  // namespace morvanta
