// The timer tick: the guards that hold changing, the countdown and the change points.
#pragma once
#include <cstdint>
#include "engine/change_cycle.h"

namespace mov {

class WallpaperTimer {
public:
    explicit WallpaperTimer(ChangeCycle& cycle) : cycle_(cycle), p_(cycle.parts()) {}

    // WM_TIMER with timer `id`: ticks of another id pass the guards and only refresh the text.
    void Tick(uintptr_t id);
    // The countdown label from the counter.
    void RefreshCountdown();

private:
    bool Held();
    void ShowCurrent();

    ChangeCycle& cycle_;
    const EngineParts& p_;
};

}  // namespace mov
