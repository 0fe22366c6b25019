// Decisions of the start-up probe that need no system: Windows kind, browser version,
// JPEG reader, the desktop pattern test and the texts of the desktop check's questions.
#pragma once
#include <functional>
#include <string>

namespace mov {

// OsKind from GetVersionExA: 0 NT 3.x or no answer, 1 Windows 9x/Me (any platform but NT),
// 2 NT 4.0, 3 2000 and later.
int OsKindOf(bool queried, unsigned long platformId, unsigned long majorVersion);

// IeVersion from the browser's Version text: 1 "4.72", 2 "5.0", 3 "5.5", 4 "6.0", else 0.
int IeVersionOf(const std::string& version);

struct JpegReader {
    int available = 0;  // JpegAvailable
    int plugIn = 0;     // SusiePlugIn
};
// Tries the reader libraries in the program's order; `loads` says whether one loads.
JpegReader FindJpegReader(int osKind, const std::function<bool(const char*)>& loads);

// The pattern that leaves the NT 4.0 desktop plain behind a centred picture.
extern const char kZeroPattern[];
// Whether NT 4.0's Pattern is replaced: the "(none)" name or a stored size below 17 bytes
// (terminating zero included). An absent value is replaced too.
bool NeedsZeroPattern(bool present, const std::string& text, unsigned long storedSize);

// The three placement values the program guards, in the order they are checked.
enum class DesktopValue { TileWallpaper, WallpaperStyle, WallpaperOriginX };
constexpr DesktopValue kCheckedValues[] = {DesktopValue::TileWallpaper, DesktopValue::WallpaperStyle,
                                           DesktopValue::WallpaperOriginX};
// Registry value name, the same under the desktop's key and the program's copy.
const char* DesktopValueName(DesktopValue v);
// The question asked when the desktop's value differs from the copy (Shift-JIS).
std::string DesktopQuestion(DesktopValue v, const std::string& previous, const std::string& current);

}  // namespace mov
