// The one seam for blocking waits and reading the time, so tests need not really wait.
#pragma once
#include <cstdint>

namespace mov {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void Sleep(unsigned ms) = 0;
    virtual uint64_t NowMs() = 0;   // monotonic milliseconds
    virtual int64_t Seconds() = 0;  // calendar seconds, as time() gives
};

// The clock in use: the real one unless a test has put its own in place.
Clock& TheClock();
// The platform's real clock (clock_real_win.cpp, clock_real_posix.cpp).
Clock& RealClock();
// Puts `clock` in place (the caller keeps it alive); nullptr brings back the real one.
void SetClock(Clock* clock);

}  // namespace mov
