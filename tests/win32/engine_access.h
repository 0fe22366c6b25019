// Puts the engine's countdown where a run of ticks would have left it.
#pragma once
#include "engine/engine.h"

namespace mov {

struct EngineTestAccess {
    static void SetCountdown(Engine& e, int n) { e.st_.countdown = n; }
};

}  // namespace mov
