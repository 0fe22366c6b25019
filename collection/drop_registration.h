// Folders and archives dropped on the main window become groups.
#pragma once
#include <windows.h>
#include <shellapi.h>
#include <functional>
#include <string>
#include "collection/group_list.h"
#include "collection/positions.h"
#include "settings/settings_record.h"

namespace mov {

// Shows one refusal: a modal box captioned "MovAni32" by default; tests may look instead.
using DropReport = std::function<void(HWND owner, const std::string& text)>;

// Tests each dropped path in order: folders and (with the LHA tools) archives are appended,
// every other path gets its own message. Then releases the drop and saves the group list
// and the positions. A folder dropped twice is registered twice; the current group stays.
void RegisterDroppedFiles(HDROP drop, HWND frame, GroupList& groups, const Positions& pos,
                          const SettingsRecord& s, const DropReport& report = DropReport());

}  // namespace mov
