// The only place that tells the desktop what to show: wallpaper, tiling, style, origin.
#pragma once
#include <string>
#include "engine/engine_events.h"
#include "engine/placement.h"
#include "settings/settings_record.h"

namespace mov {

// The fit toggle's one-shot override: Adjust as configured, put back after one change.
struct FitOverride {
    bool pending = false;
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
    // `report` (may be null: nothing is told) hears when the wallpaper is removed and when
    // a change brings it back.
    DesktopWriter(SettingsRecord& settings, FitOverride& fit, EngineEvents* report = nullptr)
        : s_(settings), fit_(fit), report_(report) {}

    // One change: decides the placement from the bitmap at `desktopPath`, runs the smart
    // fit where configured, writes the desktop's values and has the desktop reload them.
    // `shellPath` is the picture as chosen (for Active Desktop), unused for archive members.
    // `own`, when known, is the picture's own size where the bitmap holds only the part
    // the screen shows or a scaled-down copy: the placement is decided on it.
    void ApplyWallpaper(const std::string& desktopPath, const std::string& shellPath, bool fromArchive,
                        const PictureSize& own = {});
    // Whether the wallpaper shown was made for a screen of another size than today's: a
    // part of the picture, a scaled-down copy or a smart fit.
    bool MadeForOtherScreen() const;
    // End of every change cycle; `wrotePicture` false when the file list was empty.
    void CompleteChange(bool wrotePicture);
    // The desktop shows no picture until the next change. The stored Wallpaper stays.
    void RemoveWallpaper();
    void RestoreDesktop() { mov::RestoreDesktop(s_); }
    // The configured placement (TileWallPaper) as the desktop's tile value, where this
    // Windows keeps it.
    void WriteTileSetting();
    // Tiles aligned to the left again: the desktop gets its own tile origin back.
    void RestoreTileOrigin();

private:
    void Report(bool removed) {
        if (report_) report_->PaperRemovedChanged(removed);
    }

    SettingsRecord& s_;
    FitOverride& fit_;
    EngineEvents* report_;
    int32_t madeForWidth_ = 0;  // the screen the wallpaper was made for; 0: made for none
    int32_t madeForHeight_ = 0;
};

}  // namespace mov
