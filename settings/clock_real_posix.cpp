// The real clock of the native build: real sleeps and the system's time.
#include "settings/clock.h"
#include <chrono>
#include <ctime>
#include <thread>

namespace mov {
namespace {

class PosixClock : public Clock {
public:
    void Sleep(unsigned ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
    uint64_t NowMs() override {
        using namespace std::chrono;
        return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
    int64_t Seconds() override { return static_cast<int64_t>(std::time(nullptr)); }
};

}  // namespace

Clock& RealClock() {
    static PosixClock clock;
    return clock;
}

}  // namespace mov
