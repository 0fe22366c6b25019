// The settings record: every stored setting with its default, the probe results and run-time states.
#pragma once
#include <string>

namespace mov {

// Field names are the registry value names they are stored under.
struct SettingsRecord {
    // "Mode" key.
    int SCenabled = 0;       // 0 pictures and shortcuts, 1 shortcuts only, 2 pictures only
    int JPEGRead = 1;
    int FrontMaxChange = 0;
    int IconOn = 1;
    int Change = 0;          // 0 Auto, 1 Rand, 2 Rand2, 3 No
    int Adjust = 0;          // 0 No, 1 Yes, 2 Auto, 3 Smart, 4 Smart2
    int SmartPos = 0;        // 0 Center, 1 Right, 2 Left
    int Interval = 2;        // minutes
    int ReadTimeOut = 60;    // seconds; read, never written
    int TileWallPaper = 1;   // 0 centre, 1 tile, 2 automatic
    int TileLength = 640;
    int TileHeight = 480;
    int Modify = 0;
    int AdBegin = 60;
    int AdEnd = 80;
    // "Special" key.
    int TiledatRight = 0;
    int Inactive = 0;
    int BMPSort = 0;
    int DelayedAction = 0;
    int WrightButton = 1;    // 0 No, 1 Next, 2 Prev, 3 Inact, 4 Tile, 5 Hide
    // "Additional" key.
    int ActiveDeskTopMode = 2;  // 0 Both, 1 Active, 2 Standerd

    // Never stored: run-time states.
    int AutoTile = 0;        // 0 fixed, 1 automatic placement armed, 2 suspended for one change
    int PaperRemoved = 0;
    // Never stored: what the start-up probe found.
    int LhaAvailable = 0;
    int JpegAvailable = 0;
    int SusiePlugIn = 0;
    int OsKind = 0;          // 0 NT 3.x, 1 Windows 9x/Me, 2 NT 4.0, 3 2000/XP and later
    int IeVersion = 0;
    int IntegratedBrowser = 0;
    std::string TempFolder;
    std::string UserName;
    std::string SysTileWallpaper;
    std::string SysWallpaperStyle;
    std::string SysWallpaperOriginX;
};

}  // namespace mov
