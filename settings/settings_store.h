// Loading and saving the settings record in the registry (Mode, Special, Additional keys).
#pragma once
#include "settings/settings_record.h"

namespace mov {

// Needs JpegAvailable, IeVersion and IntegratedBrowser already probed. Absent values keep
// their defaults; a key that can neither be opened nor created leaves its fields at default.
// The LHA probe looks in the process's current directory.
void LoadSettings(SettingsRecord& s);
// Writes every stored setting but ReadTimeOut. A key that cannot be opened is skipped;
// the TileWallPaper adjustment for automatic placement still happens in memory.
void SaveSettings(SettingsRecord& s);

}  // namespace mov
