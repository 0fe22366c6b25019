// Loading one stored setting from its value.
#include "settings/settings_load.h"
#include <cstdint>
#include <string>

namespace mov {

int LoadedSetting(const StoredSetting& f, const fw::RegValue* stored, const SettingsRecord& s) {
    if (f.word) {
        std::string text = f.word->absent;
        if (stored) fw::TextOfValue(*stored, 255, text);
        if (f.forcedWord)
            if (const char* forced = f.forcedWord(s)) text = forced;
        return CodeOfWord(*f.word, text);
    }
    static const SettingsRecord kDefaults;
    int32_t v = kDefaults.*f.field;
    if (stored) fw::NumberOfValue(*stored, v);
    return v;
}

}  // namespace mov
