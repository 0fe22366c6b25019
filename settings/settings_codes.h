// Named codes of the settings record. The record keeps plain integers (what the registry
// stores and what the property sheet range-checks); code compares them with these names.
#pragma once

namespace mov {

// OsKind: which Windows the start-up probe found (kOs2000: 2000, XP and later).
enum OsKindCode : int { kOsNt3 = 0, kOs9x = 1, kOsNt4 = 2, kOs2000 = 3 };
// Change: how the countdown picks the next picture; "No" is the stopped countdown.
enum ChangeCode : int { kChangeAuto = 0, kChangeRand = 1, kChangeRand2 = 2, kChangeNo = 3 };
// Adjust: never stretched, always, by the AdBegin..AdEnd ratio, smart fit, second smart fit.
enum AdjustCode : int { kAdjustNo = 0, kAdjustYes = 1, kAdjustAuto = 2, kAdjustSmart = 3, kAdjustSmart2 = 4 };
// SCenabled: the file list takes pictures and shortcuts, shortcuts only, pictures only.
enum ScEnabledCode : int { kScBoth = 0, kScOnly = 1, kScNo = 2 };
// SmartPos: the arrangement handed to the second smart fit.
enum SmartPosCode : int { kSmartCenter = 0, kSmartRight = 1, kSmartLeft = 2 };
// WrightButton: the tray buttons' pair of actions: remove/restore, previous/next,
// next/previous, resume/stop, the centre/tile toggle, tray menu/hide.
enum WrightButtonCode : int {
    kButtonNo = 0, kButtonNext = 1, kButtonPrev = 2, kButtonInact = 3, kButtonTile = 4, kButtonHide = 5
};
// ActiveDeskTopMode: which desktop the writer sets ("Standerd" in the store).
enum ActiveDeskTopModeCode : int { kDesktopBoth = 0, kDesktopActive = 1, kDesktopStandard = 2 };
// TileWallPaper: placement of the picture.
enum TileWallPaperCode : int { kPlaceCentre = 0, kPlaceTile = 1, kPlaceAuto = 2 };
// AutoTile (never stored): automatic placement off, armed, or suspended for one change.
enum AutoTileCode : int { kAutoTileOff = 0, kAutoTileArmed = 1, kAutoTileSuspended = 2 };

}  // namespace mov
