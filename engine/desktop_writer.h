// The only place that tells the desktop what to show: wallpaper, tiling, style, origin.
#pragma once
#include <windows.h>
#include <string>
#include "settings/settings_record.h"

namespace mov {

// The fit toggle's one-shot override: Adjust as configured, put back after one change.
struct FitOverride {
    int pending = 0;
    int savedAdjust = 0;
};

// Writes one REG_SZ value under "Control Panel\desktop" (Wallpaper, TileWallpaper,
// WallpaperStyle). An empty text, or a key that does not open, writes nothing.
void WriteDesktopValue(const char* name, const std::string& text);

// At exit: the desktop's tile, style and origin values as found at start-up (the tile
// value only when Modify is not 1). The desktop is not told to reload; the last picture
// stays. A desktop key that does not open is skipped.
void RestoreDesktop(const SettingsRecord& s);

class DesktopWriter {
public:
    DesktopWriter(SettingsRecord& settings, FitOverride& fit) : s_(settings), fit_(fit) {}

    // The main frame (its system menu carries entry 32772) and the view (its "NoPaper"
    // button, id 32772). Either may be null: then that part of the display is skipped.
    void SetWindows(HWND frame, HWND view) { frame_ = frame; view_ = view; }

    // One change: decides the placement from the bitmap at `desktopPath`, runs the smart
    // fit where configured, writes the desktop's values and has the desktop reload them.
    // `shellPath` is the picture as chosen (for Active Desktop), unused for archive members.
    void ApplyWallpaper(const std::string& desktopPath, const std::string& shellPath, int fromArchive);
    // End of every change cycle; `wrotePicture` false when the file list was empty.
    void CompleteChange(bool wrotePicture);
    // The desktop shows no picture until the next change. The stored Wallpaper stays.
    void RemoveWallpaper();
    void RestoreDesktop() { mov::RestoreDesktop(s_); }

private:
    void ShowPaperRemoved(bool removed);

    SettingsRecord& s_;
    FitOverride& fit_;
    HWND frame_ = nullptr;
    HWND view_ = nullptr;
};

}  // namespace mov
