// The countdown's state and the parts the change cycle and the timer work on. Only the
// engine holds them; the user interface asks the engine.
#pragma once
#include <windows.h>
#include <cstdint>
#include "collection/folder_scan.h"
#include "collection/group_list.h"
#include "collection/positions.h"
#include "engine/desktop_writer.h"
#include "engine/engine_events.h"
#include "settings/settings_record.h"

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

struct EngineParts {
    SettingsRecord& settings;
    GroupList& groups;
    Positions& positions;
    FolderScan& scan;
    DesktopWriter& writer;
    FitOverride& fit;
    EngineState& state;
    EngineEvents& events;
    HWND lists;  // parent of the list boxes 57346..57349, owner of the timer
};

}  // namespace mov
