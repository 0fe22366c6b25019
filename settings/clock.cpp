// The clock in use: the platform's real one unless a test has put its own in place.
#include "settings/clock.h"

namespace mov {
namespace {

Clock* gClock = nullptr;

}  // namespace

Clock& TheClock() { return gClock ? *gClock : RealClock(); }
void SetClock(Clock* clock) { gClock = clock; }

}  // namespace mov
