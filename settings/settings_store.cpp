// Registry store of the settings record: words as REG_SZ, numbers as 4-byte REG_DWORD, as
// the table of stored settings lists them.
#include "settings/settings_store.h"
#include <windows.h>
#include "framework/reg_key.h"
#include "settings/settings_codes.h"
#include "settings/settings_fields.h"
#include "settings/settings_load.h"

namespace mov {
namespace {

// A file of that name in the current directory.
bool PresentHere(const char* name) {
    WIN32_FIND_DATAA fd;
    return static_cast<bool>(fw::FindHandle(FindFirstFileA(name, &fd)));
}

}  // namespace

void LoadSettings(SettingsRecord& s) {
    s.PaperRemoved = 0;
    s.LhaAvailable = (PresentHere("MeltLha.exe") && PresentHere("UnLha32.dll")) ? 1 : 0;
    fw::RegKey key;
    const char* open = nullptr;
    for (const StoredSetting& f : kStoredSettings) {
        if (f.key != open) key.Create(HKEY_CURRENT_USER, open = f.key);  // a failure leaves it closed
        fw::RegValue v;
        const bool present = key && key.QueryValue(f.name, v) == ERROR_SUCCESS;
        s.*f.field = LoadedSetting(f, present ? &v : nullptr, s);
    }
    if (s.TileWallPaper == kPlaceAuto) s.AutoTile = kAutoTileArmed;
}

void SaveSettings(SettingsRecord& s) {
    // Automatic placement is stored as such, whatever the last change decided.
    if (s.AutoTile == kAutoTileArmed) s.TileWallPaper = kPlaceAuto;
    fw::RegKey key;
    const char* open = nullptr;
    for (const StoredSetting& f : kStoredSettings) {
        if (f.key != open) key.Create(HKEY_CURRENT_USER, open = f.key);
        if (!key || !f.written) continue;
        if (f.word)
            key.SetString(f.name, WordOfCode(*f.word, s.*f.field));
        else
            key.SetDword(f.name, static_cast<uint32_t>(s.*f.field));
    }
}

}  // namespace mov
