// Desktop writer: the write sequence of one change, removal, completion and restore at exit.
#include "engine/desktop_writer.h"
#include <memory>
#include "engine/active_desktop.h"
#include "engine/host_wallpaper.h"
#include "engine/image_prep.h"
#include "engine/placement.h"
#include "engine/step_marks.h"
#include "framework/busy_period.h"
#include "framework/handle.h"
#include "framework/reg_key.h"
#include "settings/registry_paths.h"
#include "settings/settings_codes.h"

namespace mov {
namespace {

PictureSize ReadPictureSize(const std::string& path) {
    fw::Handle f(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!f) return {};
    unsigned char head[58] = {};
    DWORD got = 0;
    if (!ReadFile(f.get(), head, sizeof head, &got, nullptr)) got = 0;
    return PictureSizeOf(head, got);
}

void WriteProfileDesktop(const char* key, const std::string& text) {
    WriteProfileStringA("Desktop", key, text.c_str());
}

// Windows 9x keeps the value in the registry; NT in win.ini's Desktop section.
void WriteForOs(int osKind, const char* key, const std::string& text) {
    if (osKind == kOs9x)
        WriteDesktopValue(key, text);
    else
        WriteProfileDesktop(key, text);
}

}  // namespace

void WriteDesktopValue(const char* name, const std::string& text) {
    fw::RegKey k;
    if (k.Open(HKEY_CURRENT_USER, kDesktopKey, KEY_ALL_ACCESS) != ERROR_SUCCESS) return;
    if (!text.empty()) k.SetString(name, text);
}

void DesktopWriter::ApplyWallpaper(const std::string& desktopPath, const std::string& shellPath, bool fromArchive,
                                   const PictureSize& own) {
    fw::BusyPeriod busy;  // the wallpaper call broadcasts, the smart fit may start a program
    StepMark writing("desktop");  // first, so that it also spans the end of COM
    StepMark placing("placement");
    fw::ComScope com;
    std::unique_ptr<ActiveDesktop> active;
    if (s_.ActiveDeskTopMode != kDesktopStandard) active = std::make_unique<ActiveDesktop>();

    const PictureSize size = own.known ? own : ReadPictureSize(desktopPath);
    RECT desk{};
    bool deskKnown = GetWindowRect(GetDesktopWindow(), &desk) != 0;
    const Placement p = DecidePlacement(s_, size, deskKnown, desk.right, fromArchive);
    s_.TileWallPaper = p.tileWallPaper;
    madeForWidth_ = madeForHeight_ = 0;
    if ((own.known || (p.tile == 0 && p.smartFit)) && deskKnown) {
        madeForWidth_ = desk.right - desk.left;
        madeForHeight_ = desk.bottom - desk.top;
    }
    placing.End();

    if (p.tile == 0 && p.smartFit) {
        StepMark fitting("smart fit");
        SmartFit(s_, s_.Adjust, s_.SmartPos);
    }
    StepMark values("desktop values");
    if (p.tile == 0) WriteDesktopValue("WallpaperStyle", p.style);
    if (p.writeOrigin) WriteForOs(s_.OsKind, "WallpaperOriginX", p.originText);
    WriteDesktopValue("TileWallpaper", p.tileText);
    WriteProfileDesktop("TileWallpaper", p.tileText);
    if (s_.AutoTile == kAutoTileSuspended) s_.AutoTile = kAutoTileArmed;
    if (s_.Modify == 1) WriteForOs(s_.OsKind, "Wallpaper", desktopPath);
    values.End();
    if (s_.ActiveDeskTopMode != kDesktopActive) {
        StepMark call("wallpaper call");
        SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, const_cast<char*>(desktopPath.c_str()), SPIF_SENDWININICHANGE);
    }
    ShowOnHost(desktopPath, p.tile, p.style);  // under Wine on a Linux desktop, that desktop too
    if (s_.ActiveDeskTopMode != kDesktopStandard && active && active->exists()) {
        StepMark shell("active desktop");
        active->SetWallpaper(p.activeStyle, p.activeUsesDesktopPath ? desktopPath : shellPath);
    }
}

bool DesktopWriter::MadeForOtherScreen() const {
    int32_t w = 0, h = 0;
    return madeForWidth_ > 0 && ScreenSize(&w, &h) && (w != madeForWidth_ || h != madeForHeight_);
}

void DesktopWriter::CompleteChange(bool wrotePicture) {
    if (wrotePicture && fit_.pending) {
        fit_.pending = false;
        s_.Adjust = fit_.savedAdjust;
    }
    if (s_.PaperRemoved == 1) Report(false);
    s_.PaperRemoved = 0;
}

void DesktopWriter::RemoveWallpaper() {
    fw::BusyPeriod busy;  // a broadcast and the desktop's repaint
    Report(true);
    s_.PaperRemoved = 1;
    madeForWidth_ = madeForHeight_ = 0;  // nothing shown to be made again for another screen
    char empty[] = "";
    SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, empty, SPIF_SENDWININICHANGE);
    RestoreHost();
    if (s_.ActiveDeskTopMode != kDesktopActive) {
        StepMark repaint("repaint");
        HWND desk = GetDesktopWindow();
        RedrawWindow(desk, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        // Where the desktop window belongs to another process (Wine's desktop), the forced
        // repaint erases it here, with a device context its own window procedure cannot draw
        // on, and marks it painted: had the desktop not yet repainted itself since dropping
        // the picture (a busy machine), the picture would stay. Leave it one more repaint of
        // its own.
        RedrawWindow(desk, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN);
    }
    if (s_.ActiveDeskTopMode == kDesktopStandard) return;
    fw::ComScope com;
    ActiveDesktop active;
    active.ClearWallpaper();
}

void RestoreDesktop(const SettingsRecord& s) {
    fw::RegKey k;
    if (k.Open(HKEY_CURRENT_USER, kDesktopKey, KEY_ALL_ACCESS) != ERROR_SUCCESS) return;
    if (s.Modify != 1) k.SetString("TileWallpaper", s.SysTileWallpaper);
    k.SetString("WallpaperStyle", s.SysWallpaperStyle);
    k.SetString("WallpaperOriginX", s.SysWallpaperOriginX);
}

void DesktopWriter::WriteTileSetting() { WriteForOs(s_.OsKind, "TileWallpaper", std::to_string(s_.TileWallPaper)); }

void DesktopWriter::RestoreTileOrigin() {
    fw::RegKey k;
    if (k.Open(HKEY_CURRENT_USER, kDesktopKey, KEY_SET_VALUE) == ERROR_SUCCESS)
        k.SetString("WallpaperOriginX", s_.SysWallpaperOriginX);
}

}  // namespace mov
