// Names of the work files in the TEMP folder, formed from the user name.
#pragma once
#include <string>
#include "settings/settings_record.h"

namespace mov {

// The bitmap the desktop is given after conversion or smart fit.
inline std::string WorkBitmapPath(const SettingsRecord& s) { return s.TempFolder + "\\" + s.UserName + ".BMP"; }
// Where the smart-fit library writes; moved onto the work bitmap at once.
inline std::string SmartFitOutputPath(const SettingsRecord& s) { return s.TempFolder + "\\" + s.UserName + "2.BMP"; }

}  // namespace mov
