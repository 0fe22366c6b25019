// What the engine needs from the window that carries it, and the parts it works on.
#pragma once
#include <windows.h>
#include <string>
#include "collection/folder_scan.h"
#include "collection/group_list.h"
#include "collection/positions.h"
#include "engine/desktop_writer.h"
#include "engine/engine_state.h"
#include "settings/settings_record.h"

namespace mov {

class EngineHost {
public:
    virtual ~EngineHost() = default;
    // Shows tray image `iconId` in place of the current one.
    virtual void ShowTrayIcon(unsigned iconId) = 0;
    // The image that tells the current state.
    virtual unsigned StateTrayIcon() = 0;
    // Set while ticks are held by a maximised window; a tray update clears it.
    virtual int MaximizedPause() = 0;
    virtual void SetMaximizedPause(int value) = 0;
    // The document title (the window caption shows it).
    virtual void ShowTitle(const std::string& title) = 0;
    virtual void ShowCountdown(const std::string& text) = 0;
};

struct EngineParts {
    SettingsRecord& settings;
    GroupList& groups;
    Positions& positions;
    FolderScan& scan;
    DesktopWriter& writer;
    FitOverride& fit;
    EngineState& state;
    EngineHost& host;
    HWND lists;  // parent of the list boxes 57346..57349, owner of the timer
};

}  // namespace mov
