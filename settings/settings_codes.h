// Named codes of the settings record. The record keeps plain integers (what the registry
// stores and what the property sheet range-checks); code compares them with these names.
#pragma once

namespace mov {

// OsKind: which Windows the start-up probe found.
enum OsKindCode : int { kOsNt3 = 0, kOs9x = 1, kOsNt4 = 2, kOs2000 = 3 };  // 2000, XP and later

// Change: how the countdown picks the next picture; "No" is the stopped countdown.
enum ChangeCode : int { kChangeAuto = 0, kChangeRand = 1, kChangeRand2 = 2, kChangeNo = 3 };

// Adjust: fitting the picture to the screen.
enum AdjustCode : int {
    kAdjustNo = 0,
    kAdjustYes = 1,     // always stretched
    kAdjustAuto = 2,    // stretched when the height-to-width ratio lies in AdBegin..AdEnd
    kAdjustSmart = 3,   // the smart fit (_Quillet)
    kAdjustSmart2 = 4,  // the second smart fit (_Quillet2)
};

// SCenabled: what the file list takes.
enum ScEnabledCode : int { kScBoth = 0, kScOnly = 1, kScNo = 2 };  // both, shortcuts only, pictures only

// SmartPos: the arrangement handed to the second smart fit.
enum SmartPosCode : int { kSmartCenter = 0, kSmartRight = 1, kSmartLeft = 2 };

// WrightButton: the pair of actions of the tray icon's buttons.
enum WrightButtonCode : int {
    kButtonNo = 0,     // remove or restore the wallpaper
    kButtonNext = 1,   // previous / next
    kButtonPrev = 2,   // next / previous
    kButtonInact = 3,  // resume / stop changing
    kButtonTile = 4,   // the centre/tile toggle
    kButtonHide = 5,   // tray menu / hide or show the main window
};

// ActiveDeskTopMode: which desktop the writer sets ("Standerd" in the store).
enum ActiveDeskTopModeCode : int { kDesktopBoth = 0, kDesktopActive = 1, kDesktopStandard = 2 };

// TileWallPaper: placement of the picture.
enum TileWallPaperCode : int { kPlaceCentre = 0, kPlaceTile = 1, kPlaceAuto = 2 };

// AutoTile (never stored): the automatic placement's state.
enum AutoTileCode : int { kAutoTileOff = 0, kAutoTileArmed = 1, kAutoTileSuspended = 2 };

}  // namespace mov
