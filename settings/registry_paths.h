// Registry keys of the program (under HKEY_CURRENT_USER) and of the desktop.
#pragma once

namespace mov {

constexpr const char kModeKey[] = "Software\\Farnwick\\MovAni32\\Mode";
constexpr const char kSpecialKey[] = "Software\\Farnwick\\MovAni32\\Special";
constexpr const char kAdditionalKey[] = "Software\\Farnwick\\MovAni32\\Additional";
constexpr const char kGroupKey[] = "Software\\Farnwick\\MovAni32\\Group";
constexpr const char kDesktopCopyKey[] = "Software\\Farnwick\\MovAni32\\Desktop";
constexpr const char kDesktopKey[] = "Control Panel\\desktop";

}  // namespace mov
