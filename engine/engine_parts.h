// The parts the change cycle and the timer work on, wired by the engine.
#pragma once
#include <windows.h>
#include "collection/folder_scan.h"
#include "collection/group_list.h"
#include "collection/positions.h"
#include "engine/desktop_writer.h"
#include "engine/engine_events.h"
#include "engine/engine_state.h"
#include "settings/settings_record.h"

namespace mov {

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
