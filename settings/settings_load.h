// What each stored setting loads as from the value found in the registry.
#pragma once
#include "framework/reg_value.h"
#include "settings/settings_fields.h"

namespace mov {

// The field value of `f` from its stored value (null: absent). A word reads as text into
// the 255-byte buffer (too long reads as absent), unless the machine forces another word
// (from the probe results in `s`), and then as its code; a number is a 4-byte number or
// else the field's default. No range is enforced here: the property sheet does that.
int LoadedSetting(const StoredSetting& f, const fw::RegValue* stored, const SettingsRecord& s);

}  // namespace mov
