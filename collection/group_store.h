// The group list and the positions in the registry key "...\MovAni32\Group".
#pragma once
#include <string>
#include "collection/folder_scan.h"
#include "collection/group_list.h"
#include "collection/group_values.h"
#include "collection/positions.h"
#include "settings/settings_record.h"

namespace mov {

// Writes each path as "00", "01", ... from the last down to the first; with `release` each
// entry is destroyed once written, leaving the list empty. An empty list writes nothing,
// and higher values left by a longer list stay (Count keeps them from being read).
void SaveGroupList(GroupList& groups, bool release);

// Count (number of groups minus 1), DirPos, BmpPos, RandSeed; nothing for an empty list.
void SavePositions(const GroupList& groups, const Positions& pos);

// Drops the stored list and positions, as when no group was ever registered.
void ForgetStoredGroups();

// Start-up: loads the stored groups (archives by name, folders that still exist or whose
// drive is absent), the positions (DirPos counted in the loaded list), selects the current
// group, scans it keeping the stored shuffle, waits for the scan through the clock and
// selects the current file. Returns 1 when Count was found.
// The numbers are read as the settings are: a value that is not a 4-byte number (a
// hand-edited text) counts as absent.
int LoadGroups(GroupList& groups, Positions& pos, FolderScan& scan, const SettingsRecord& s);

}  // namespace mov
