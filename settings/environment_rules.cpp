// Start-up probe decisions and question texts.
#include "settings/environment_rules.h"
#include "settings/settings_codes.h"

namespace mov {

namespace {
constexpr unsigned long kPlatformNt = 2;  // VER_PLATFORM_WIN32_NT

bool StartsWith(const std::string& s, const char* head, size_t n) { return s.compare(0, n, head, n) == 0; }

// Describes a value the way the desktop's own dialog names it.
std::string ValueText(DesktopValue v, const std::string& text) {
    switch (v) {
    case DesktopValue::TileWallpaper: return text == "0" ? "中央に表示" : "並べて表示";
    case DesktopValue::WallpaperStyle: return text == "0" ? "スクリーンにあわせない" : "スクリーンにあわせる";
    case DesktopValue::WallpaperOriginX: break;
    }
    return text;
}

const char* QuestionHead(DesktopValue v) {
    switch (v) {
    case DesktopValue::TileWallpaper:
        return "システムのデスクトップ壁紙表示方法が、以前と異なっています。\n\n\t以前の値：";
    case DesktopValue::WallpaperStyle:
        return "システムのデスクトップ壁紙スクリーンに合わせるか否かが、以前と異なっています。\n\n\t以前の値：";
    case DesktopValue::WallpaperOriginX: break;
    }
    return "システムのデスクトップ壁紙表示開始Ｘ座標が、以前と異なっています。\n\n\t以前の値：";
}
}  // namespace

int OsKindOf(bool queried, unsigned long platformId, unsigned long majorVersion) {
    if (!queried) return kOsNt3;
    if (platformId != kPlatformNt) return kOs9x;
    if (majorVersion < 4) return kOsNt3;
    return majorVersion == 4 ? kOsNt4 : kOs2000;
}

int IeVersionOf(const std::string& version) {
    int v = 0;
    if (StartsWith(version, "4.72", 4)) v = 1;
    if (StartsWith(version, "5.0", 3)) v = 2;
    if (StartsWith(version, "5.5", 3)) v = 3;
    if (StartsWith(version, "6.0", 3)) v = 4;
    return v;
}

JpegReader FindJpegReader(int osKind, const std::function<bool(const char*)>& loads) {
    JpegReader r;
    if (osKind != kOs9x && loads("jpegfilt.dll")) {
        r.available = 1;
        return r;
    }
    // On Windows 9x the filter library counts only together with an image plug-in.
    if (loads("jpegfilt95.dll") && (loads("IFJPEGV6.SPI") || loads("IFJPEG.SPI"))) r.available = r.plugIn = 1;
    return r;
}

const char kZeroPattern[] = "0,0,0,0,0,0,0,0,0";

bool NeedsZeroPattern(bool present, const std::string& text, unsigned long storedSize) {
    if (!present) return true;
    return text == "(なし)" || storedSize < 17;
}

const char* DesktopValueName(DesktopValue v) {
    switch (v) {
    case DesktopValue::TileWallpaper: return "TileWallpaper";
    case DesktopValue::WallpaperStyle: return "WallpaperStyle";
    case DesktopValue::WallpaperOriginX: break;
    }
    return "WallpaperOriginX";
}

std::string DesktopQuestion(DesktopValue v, const std::string& previous, const std::string& current) {
    return QuestionHead(v) + ValueText(v, previous) + "\n\t現在の値：" + ValueText(v, current) +
           "\n\n以前の値の戻しますか?";
}

}  // namespace mov
