// Placement rules: automatic tiling by size, stretch style by Adjust, tile origin at the right.
#include "engine/placement.h"
#include <climits>
#include "settings/settings_codes.h"
#include "settings/settings_record.h"

namespace mov {
namespace {
int32_t LittleEndian32(const unsigned char* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}
}  // namespace

PictureSize PictureSizeOf(const unsigned char* bytes, size_t count) {
    PictureSize s;
    if (!bytes || count < 26) return s;
    const int32_t w = LittleEndian32(bytes + 18);
    const int32_t h = LittleEndian32(bytes + 22);
    // No width or no height is no picture. A negative height is a top-down bitmap of
    // that many rows; its size counts like any other.
    if (w <= 0 || h == 0 || h == INT32_MIN) return s;
    s.known = true;
    s.width = w;
    s.height = h < 0 ? -h : h;
    return s;
}

int RatioOf(const PictureSize& size) {
    if (!size.known || size.width <= 0 || size.height < 0) return 0;
    // 64 bits: a height above 21 million would overflow height × 100.
    int64_t r = static_cast<int64_t>(size.height) * 100 / size.width;
    return r > INT_MAX ? INT_MAX : static_cast<int>(r);
}

Placement DecidePlacement(const SettingsRecord& s, const PictureSize& picture, bool desktopKnown,
                          int32_t desktopRight, bool fromArchive) {
    Placement p;
    p.tileWallPaper = s.TileWallPaper;
    int ratio = 0;
    int64_t originX = 0;
    if (picture.known) {
        ratio = RatioOf(picture);
        if (s.AutoTile == kAutoTileArmed)
            p.tileWallPaper = (picture.width < s.TileLength && picture.height < s.TileHeight) ? kPlaceTile : kPlaceCentre;
        if (desktopKnown) originX = static_cast<int64_t>(desktopRight) - picture.width;
    }
    // Automatic placement that could not decide or any odd code is shown centred.
    p.tile = p.tileWallPaper == kPlaceTile ? 1 : 0;
    p.tileText = p.tile ? "1" : "0";

    if (p.tile == 0) {
        switch (s.Adjust) {
        case kAdjustYes: p.style = "2"; break;
        case kAdjustAuto:
            if (ratio > 0) p.style = (ratio < s.AdBegin || ratio > s.AdEnd) ? "0" : "2";
            break;
        case kAdjustSmart: p.style = "0"; p.smartFit = true; break;
        case kAdjustSmart2: p.style = "2"; p.smartFit = true; break;
        default: p.style = "0"; break;
        }
    }

    if (s.TiledatRight == 1) {
        p.writeOrigin = true;
        p.originText = p.tile ? std::to_string(originX) : "0";
    }

    if (p.style == "2") {
        p.activeStyle = 2;
        p.activeUsesDesktopPath = true;
    } else {
        p.activeStyle = p.tile;
        p.activeUsesDesktopPath = fromArchive;
    }
    return p;
}

}  // namespace mov
