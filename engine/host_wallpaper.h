// Under Wine on a Linux desktop (no Wine virtual desktop), the host's own desktop shows what
// the Windows desktop shows: each write is handed to the setter script beside the program.
// On Windows, and inside a Wine virtual desktop, nothing here does anything.
#pragma once
#include <string>

namespace mov {

// After the Windows desktop took the bitmap at `desktopPath` with this placement (the tile
// value written, 1 tiled; the style written, "2" stretched): the host gets a copy of it.
// Returns at once; the setter runs on its own with a time limit. A missing script, a
// program that does not start or a setter that failed is logged once (OutputDebugStringA).
void ShowOnHost(const std::string& desktopPath, int tile, const std::string& style);

// The wallpaper is removed: the host gets back what it showed before this program's first
// change.
void RestoreHost();

}  // namespace mov
