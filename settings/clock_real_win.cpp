// The real clock on Windows: Sleep and the tick count, which every Windows has (the C++
// runtime's thread and clock classes need newer systems or are absent in our runtime).
#include <windows.h>
#include <ctime>
#include "settings/clock.h"

namespace mov {
namespace {

class WinClock : public Clock {
public:
    void Sleep(unsigned ms) override { ::Sleep(ms); }
    // The 32-bit tick count wraps after 49.7 days; each wrap seen adds 2^32. Read from the
    // one user-interface thread, often enough never to miss a wrap.
    uint64_t NowMs() override {
        DWORD now = GetTickCount();
        if (now < last_) high_ += uint64_t{1} << 32;
        last_ = now;
        return high_ + now;
    }
    int64_t Seconds() override { return static_cast<int64_t>(std::time(nullptr)); }

private:
    DWORD last_ = 0;
    uint64_t high_ = 0;
};

}  // namespace

Clock& RealClock() {
    static WinClock clock;
    return clock;
}

}  // namespace mov
