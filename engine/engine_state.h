// The countdown's state, which the timer, the change cycle and the engine's commands share.
// Only the engine holds it; the user interface asks the engine.
#pragma once
#include <cstdint>

namespace mov {

struct EngineState {
    uintptr_t timerId = 0;
    unsigned timerPeriod = 10000;  // ms: 100, 1000 or 10000
    int countdown = -1;            // ticks left; 1 changes, -1 rescans and shows, -2 shows
    int reload = 0;                // Interval * 6 + 9
    int forced = 0;                // the user asked for the pending change
    int delayedStart = 0;          // 0 nothing shown yet, 1 saved picture selected, 2 over
    int rememberedMode = 0;        // the change mode before a stop
    int screenSaverEnabled = 0;
};

}  // namespace mov
