// The placement decision of one wallpaper change: centre or tile, style, tile origin.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace mov {

struct SettingsRecord;

// Width and height of a bitmap file, from the info header after the 14-byte file header.
struct PictureSize {
    bool known = false;
    int32_t width = 0;
    int32_t height = 0;
};

// From the first bytes of a bitmap file (up to 58 are read). Fewer than 26 bytes, a width
// of 0 or less, or a height of 0: unknown. Top-down bitmaps give their positive height.
PictureSize PictureSizeOf(const unsigned char* bytes, size_t count);

// height × 100 / width when both are ≥ 0 and the width is not 0, else 0.
int RatioOf(const PictureSize& size);

struct Placement {
    int tileWallPaper = 0;     // TileWallPaper after the automatic decision (may stay 2)
    int tile = 0;              // what is written: 1 tiled, anything else centred
    std::string tileText;      // "0" or "1"
    std::string style;         // WallpaperStyle to write: "0", "2", or "" for none
    bool smartFit = false;     // run the smart fit before writing
    bool writeOrigin = false;  // TiledatRight: write WallpaperOriginX
    std::string originText;
    int activeStyle = 0;       // Active Desktop: 0 centre, 1 tile, 2 stretch
    bool activeUsesDesktopPath = false;  // else the shell path (unless from an archive)
};

// `desktopRight` is the right edge of the desktop window, or absent (rect unavailable).
Placement DecidePlacement(const SettingsRecord& s, const PictureSize& picture, bool desktopKnown,
                          int32_t desktopRight, bool fromArchive);

}  // namespace mov
