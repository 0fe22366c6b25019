// The start-up probe against the real system: nothing here reports an error; what cannot be
// read counts as absent.
#include "settings/environment_probe.h"
#include <cstring>
#include "framework/busy_period.h"
#include "framework/reg_key.h"
#include "settings/environment_rules.h"
#include "settings/settings_codes.h"
#include "settings/registry_paths.h"
#include "settings/settings_store.h"

namespace mov {
namespace {

constexpr DWORD kTextBuffer = 255;
constexpr const char kBrowserKey[] = "Software\\Microsoft\\Internet Explorer";

// A registry text read into a cleared 255-byte buffer: absent (or too long) reads as empty.
std::string ReadText(const fw::RegKey& key, const char* name) {
    std::string text;
    if (key) key.QueryString(name, text, kTextBuffer);
    return text;
}

// The record's start-up copy of each checked value, in the order of DesktopValue.
std::string& Field(SettingsRecord& s, DesktopValue v) {
    static std::string SettingsRecord::* const kFields[] = {
        &SettingsRecord::SysTileWallpaper, &SettingsRecord::SysWallpaperStyle, &SettingsRecord::SysWallpaperOriginX};
    return s.*kFields[static_cast<int>(v)];
}

bool LibraryLoads(const char* name) { return static_cast<bool>(fw::Module(LoadLibraryA(name))); }

void ZeroPatternOnNt4(const SettingsRecord& s, fw::RegKey& desktop) {
    if (s.OsKind != kOsNt4) return;
    DWORD type = 0, size = 0;
    bool present = desktop.QueryInfo("Pattern", type, size) == ERROR_SUCCESS;
    std::string pattern = ReadText(desktop, "Pattern");
    if (!NeedsZeroPattern(present, pattern, size)) return;
    desktop.SetString("Pattern", kZeroPattern);
    std::string zero = kZeroPattern;  // the call takes a writable buffer
    fw::BusyPeriod busy;  // a broadcast
    SystemParametersInfoA(SPI_SETDESKPATTERN, 0, &zero[0], SPIF_SENDWININICHANGE);
}

}  // namespace

int SystemQuestionBox(HWND owner, const char* text, const char* caption, UINT type) {
    return fw::ShowMessageBox(owner, text, caption, type);
}

void ProbeUserName(SettingsRecord& s) {
    char name[kTextBuffer] = {};
    DWORD size = sizeof name;
    s.UserName = GetUserNameA(name, &size) ? std::string(name, strnlen(name, sizeof name)) : "Guest";
}

// A TEMP too long for the 255-byte buffer counts as unset: cut short it would name another
// folder, and whole it would make work file names longer than a path may be.
void ProbeTempFolder(SettingsRecord& s) {
    char temp[kTextBuffer] = {};
    DWORD n = GetEnvironmentVariableA("TEMP", temp, sizeof temp);
    s.TempFolder = (n > 0 && n < sizeof temp) ? std::string(temp, n) : std::string();
}

void ProbeOsKind(SettingsRecord& s) {
    OSVERSIONINFOA vi = {};
    vi.dwOSVersionInfoSize = sizeof vi;  // 148
    bool ok = GetVersionExA(&vi) != FALSE;
    s.OsKind = OsKindOf(ok, vi.dwPlatformId, vi.dwMajorVersion);
}

void ProbeJpegReader(SettingsRecord& s) {
    JpegReader r = FindJpegReader(s.OsKind, LibraryLoads);
    s.JpegAvailable = r.available;
    s.SusiePlugIn = r.plugIn;
}

void CheckDesktop(SettingsRecord& s, const ProbeUi& ui) {
    fw::RegKey copy;
    DWORD disposition = 0;
    copy.Create(HKEY_CURRENT_USER, kDesktopCopyKey, &disposition);
    const bool existed = copy && disposition == REG_OPENED_EXISTING_KEY;
    std::string previous[3];
    if (existed)
        for (DesktopValue v : kCheckedValues) previous[static_cast<int>(v)] = ReadText(copy, DesktopValueName(v));

    fw::RegKey desktop;
    if (desktop.Open(HKEY_CURRENT_USER, kDesktopKey, KEY_ALL_ACCESS) != ERROR_SUCCESS) return;
    for (DesktopValue v : kCheckedValues) Field(s, v) = ReadText(desktop, DesktopValueName(v));
    ZeroPatternOnNt4(s, desktop);

    // The desktop is not told to reload: a restored value shows with the next change.
    if (existed) {
        for (DesktopValue v : kCheckedValues) {
            const std::string& before = previous[static_cast<int>(v)];
            std::string& now = Field(s, v);
            if (now == before) continue;
            std::string text = DesktopQuestion(v, before, now);
            const QuestionBox& ask = ui.ask ? ui.ask : QuestionBox(SystemQuestionBox);
            if (ask(ui.owner, text.c_str(), ui.caption.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES) continue;
            now = before;
            desktop.SetString(DesktopValueName(v), now);
        }
    }
    if (copy)
        for (DesktopValue v : kCheckedValues) copy.SetString(DesktopValueName(v), Field(s, v));
}

void ProbeBrowser(SettingsRecord& s) {
    s.IeVersion = 0;
    s.IntegratedBrowser = 0;
    fw::RegKey k;
    if (k.Open(HKEY_LOCAL_MACHINE, kBrowserKey, KEY_READ) != ERROR_SUCCESS) return;
    s.IeVersion = IeVersionOf(ReadText(k, "Version"));
    int32_t integrated = 1;
    k.QueryDword("IntegratedBrowser", integrated);
    s.IntegratedBrowser = integrated;
}

void RunEnvironmentProbe(SettingsRecord& s, const ProbeUi& ui) {
    ProbeUserName(s);
    ProbeTempFolder(s);
    ProbeOsKind(s);
    ProbeJpegReader(s);
    CheckDesktop(s, ui);
    ProbeBrowser(s);
    LoadSettings(s);
}

}  // namespace mov
