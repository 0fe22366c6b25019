// Registry store of the settings record: words as REG_SZ, numbers as 4-byte REG_DWORD.
#include "settings/settings_store.h"
#include <windows.h>
#include "framework/reg_key.h"
#include "settings/registry_paths.h"
#include "settings/settings_words.h"

namespace mov {
namespace {

// A file of that name in the current directory.
bool PresentHere(const char* name) {
    WIN32_FIND_DATAA fd;
    return static_cast<bool>(fw::FindHandle(FindFirstFileA(name, &fd)));
}

// The stored text, or the field's absent text. A value too long for the 255-byte buffer
// reads as absent.
std::string ReadText(const fw::RegKey& key, const WordField& f) {
    std::string text = f.absent;
    if (key) key.QueryString(f.name, text, 255);
    return text;
}

int ReadWord(const fw::RegKey& key, const WordField& f) { return CodeOfWord(f, ReadText(key, f)); }

// Only a 4-byte value is taken as a number: a text or an 8-byte value in its place would
// otherwise turn into a nonsense interval or size, so it keeps the default instead.
int ReadNumber(const fw::RegKey& key, const char* name, int def) {
    int32_t v = def;
    DWORD type = 0, size = 0;
    if (!key || key.QueryInfo(name, type, size) != ERROR_SUCCESS) return def;
    if (size != 4 || (type != REG_DWORD && type != REG_BINARY && type != REG_NONE)) return def;
    if (key.QueryDword(name, v) != ERROR_SUCCESS) return def;
    return v;
}

void WriteWord(fw::RegKey& key, const WordField& f, int code) { key.SetString(f.name, WordOfCode(f, code)); }
void WriteNumber(fw::RegKey& key, const char* name, int v) { key.SetDword(name, static_cast<uint32_t>(v)); }

}  // namespace

void LoadSettings(SettingsRecord& s) {
    const SettingsRecord d;  // the defaults
    s.PaperRemoved = 0;
    s.LhaAvailable = (PresentHere("MeltLha.exe") && PresentHere("UnLha32.dll")) ? 1 : 0;

    {
        fw::RegKey k;
        k.Create(HKEY_CURRENT_USER, kModeKey);
        s.SCenabled = ReadWord(k, kSCenabled);
        std::string jpeg = ReadText(k, kJPEGRead);
        if (s.JpegAvailable == 0) jpeg = "No";
        s.JPEGRead = CodeOfWord(kJPEGRead, jpeg);
        s.FrontMaxChange = ReadWord(k, kFrontMaxChange);
        s.IconOn = ReadWord(k, kIconOn);
        s.Change = ReadWord(k, kChange);
        s.Adjust = ReadWord(k, kAdjust);
        s.SmartPos = ReadWord(k, kSmartPos);
        s.Interval = ReadNumber(k, "Interval", d.Interval);
        s.ReadTimeOut = ReadNumber(k, "ReadTimeOut", d.ReadTimeOut);
        s.TileWallPaper = ReadNumber(k, "TileWallPaper", d.TileWallPaper);
        if (s.TileWallPaper == 2) s.AutoTile = 1;
        s.TileLength = ReadNumber(k, "TileLength", d.TileLength);
        s.TileHeight = ReadNumber(k, "TileHeight", d.TileHeight);
        s.Modify = ReadNumber(k, "Modify", d.Modify);
        s.AdBegin = ReadNumber(k, "AdBegin", d.AdBegin);
        s.AdEnd = ReadNumber(k, "AdEnd", d.AdEnd);
    }
    {
        fw::RegKey k;
        k.Create(HKEY_CURRENT_USER, kSpecialKey);
        s.TiledatRight = ReadWord(k, kTiledatRight);
        s.Inactive = ReadWord(k, kInactive);
        s.BMPSort = ReadNumber(k, "BMPSort", d.BMPSort);
        s.DelayedAction = ReadNumber(k, "DelayedAction", d.DelayedAction);
        s.WrightButton = ReadWord(k, kWrightButton);
    }
    {
        fw::RegKey k;
        k.Create(HKEY_CURRENT_USER, kAdditionalKey);
        std::string mode = ReadText(k, kActiveDeskTopMode);
        bool activeDesktopUsable = (s.IeVersion >= 1 && s.IeVersion <= 3) && s.IntegratedBrowser == 1;
        if (!activeDesktopUsable) mode = "Standerd";
        s.ActiveDeskTopMode = CodeOfWord(kActiveDeskTopMode, mode);
    }
}

void SaveSettings(SettingsRecord& s) {
    {
        fw::RegKey k;
        bool open = k.Create(HKEY_CURRENT_USER, kModeKey) == ERROR_SUCCESS;
        if (open) {
            WriteWord(k, kSCenabled, s.SCenabled);
            WriteWord(k, kJPEGRead, s.JPEGRead);
            WriteWord(k, kFrontMaxChange, s.FrontMaxChange);
            WriteWord(k, kIconOn, s.IconOn);
            WriteWord(k, kChange, s.Change);
            WriteWord(k, kAdjust, s.Adjust);
            WriteWord(k, kSmartPos, s.SmartPos);
            WriteNumber(k, "Interval", s.Interval);
            WriteNumber(k, "AdBegin", s.AdBegin);
            WriteNumber(k, "AdEnd", s.AdEnd);
        }
        if (s.AutoTile == 1) s.TileWallPaper = 2;
        if (open) {
            WriteNumber(k, "TileWallPaper", s.TileWallPaper);
            WriteNumber(k, "TileLength", s.TileLength);
            WriteNumber(k, "TileHeight", s.TileHeight);
            WriteNumber(k, "Modify", s.Modify);
        }
    }
    {
        fw::RegKey k;
        if (k.Create(HKEY_CURRENT_USER, kSpecialKey) == ERROR_SUCCESS) {
            WriteWord(k, kTiledatRight, s.TiledatRight);
            WriteWord(k, kInactive, s.Inactive);
            WriteNumber(k, "BMPSort", s.BMPSort);
            WriteNumber(k, "DelayedAction", s.DelayedAction);
            WriteWord(k, kWrightButton, s.WrightButton);
        }
    }
    {
        fw::RegKey k;
        if (k.Create(HKEY_CURRENT_USER, kAdditionalKey) == ERROR_SUCCESS)
            WriteWord(k, kActiveDeskTopMode, s.ActiveDeskTopMode);
    }
}

}  // namespace mov
