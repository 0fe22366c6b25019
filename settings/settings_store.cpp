// Registry store of the settings record: words as REG_SZ, numbers as 4-byte REG_DWORD, as
// the table of stored settings lists them.
#include "settings/settings_store.h"
#include <windows.h>
#include "framework/reg_key.h"
#include "settings/settings_codes.h"
#include "settings/settings_fields.h"

namespace mov {
namespace {

// A file of that name in the current directory.
bool PresentHere(const char* name) {
    WIN32_FIND_DATAA fd;
    return static_cast<bool>(fw::FindHandle(FindFirstFileA(name, &fd)));
}

// The stored text (or the absent text; a value too long for the 255-byte buffer reads as
// absent), unless the machine forces another word; then its code.
int ReadWord(const fw::RegKey& key, const StoredSetting& f, const SettingsRecord& s) {
    std::string text = f.word->absent;
    if (key) key.QueryString(f.name, text, 255);
    if (f.forcedWord)
        if (const char* forced = f.forcedWord(s)) text = forced;
    return CodeOfWord(*f.word, text);
}

int ReadNumber(const fw::RegKey& key, const char* name, int def) {
    int32_t v = def;
    if (key) key.QueryNumber(name, v);
    return v;
}

}  // namespace

void LoadSettings(SettingsRecord& s) {
    const SettingsRecord defaults;
    s.PaperRemoved = 0;
    s.LhaAvailable = (PresentHere("MeltLha.exe") && PresentHere("UnLha32.dll")) ? 1 : 0;
    fw::RegKey key;
    const char* open = nullptr;
    for (const StoredSetting& f : kStoredSettings) {
        if (f.key != open) key.Create(HKEY_CURRENT_USER, open = f.key);  // a failure leaves it closed
        s.*f.field = f.word ? ReadWord(key, f, s) : ReadNumber(key, f.name, defaults.*f.field);
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
