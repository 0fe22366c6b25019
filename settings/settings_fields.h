// The stored settings as one table: key, registry value name, field of the record, and
// how it is stored (a word of a choice, or a 4-byte number). Loading, saving and the tests
// walk it; the order is the order of reading, key by key.
#pragma once
#include "settings/registry_paths.h"
#include "settings/settings_record.h"
#include "settings/settings_words.h"

namespace mov {

struct StoredSetting {
    const char* key;              // under HKEY_CURRENT_USER
    const char* name;             // registry value name, the field's own name
    int SettingsRecord::*field;
    const WordField* word;        // the choice's words; null for a number
    bool written = true;          // false: read only, never saved
    // A word that replaces the stored text at load, as what the machine allows; null: none.
    const char* (*forcedWord)(const SettingsRecord&) = nullptr;
};

// JPEG pictures are read only where a reader was found.
inline const char* JpegReadAllowed(const SettingsRecord& s) { return s.JpegAvailable == 0 ? "No" : nullptr; }
// Active Desktop needs an integrated browser of version 4.72, 5.0 or 5.5.
inline const char* ActiveDesktopAllowed(const SettingsRecord& s) {
    const bool usable = s.IeVersion >= 1 && s.IeVersion <= 3 && s.IntegratedBrowser == 1;
    return usable ? nullptr : "Standerd";
}

inline const StoredSetting kStoredSettings[] = {
    {kModeKey, "SCenabled", &SettingsRecord::SCenabled, &kSCenabledWords},
    {kModeKey, "JPEGRead", &SettingsRecord::JPEGRead, &kYesNoWords, true, JpegReadAllowed},
    {kModeKey, "FrontMaxChange", &SettingsRecord::FrontMaxChange, &kNoYesWords},
    {kModeKey, "IconOn", &SettingsRecord::IconOn, &kYesNoWords},
    {kModeKey, "Change", &SettingsRecord::Change, &kChangeWords},
    {kModeKey, "Adjust", &SettingsRecord::Adjust, &kAdjustWords},
    {kModeKey, "SmartPos", &SettingsRecord::SmartPos, &kSmartPosWords},
    {kModeKey, "Interval", &SettingsRecord::Interval, nullptr},
    {kModeKey, "ReadTimeOut", &SettingsRecord::ReadTimeOut, nullptr, false},  // set by hand, never overwritten
    {kModeKey, "TileWallPaper", &SettingsRecord::TileWallPaper, nullptr},
    {kModeKey, "TileLength", &SettingsRecord::TileLength, nullptr},
    {kModeKey, "TileHeight", &SettingsRecord::TileHeight, nullptr},
    {kModeKey, "Modify", &SettingsRecord::Modify, nullptr},
    {kModeKey, "AdBegin", &SettingsRecord::AdBegin, nullptr},
    {kModeKey, "AdEnd", &SettingsRecord::AdEnd, nullptr},
    {kSpecialKey, "TiledatRight", &SettingsRecord::TiledatRight, &kNoYesWords},
    {kSpecialKey, "Inactive", &SettingsRecord::Inactive, &kInactiveWords},
    {kSpecialKey, "BMPSort", &SettingsRecord::BMPSort, nullptr},
    {kSpecialKey, "DelayedAction", &SettingsRecord::DelayedAction, nullptr},
    {kSpecialKey, "WrightButton", &SettingsRecord::WrightButton, &kWrightButtonWords},
    {kAdditionalKey, "ActiveDeskTopMode", &SettingsRecord::ActiveDeskTopMode, &kActiveDeskTopModeWords, true, ActiveDesktopAllowed},
};

}  // namespace mov
