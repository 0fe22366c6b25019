// The property sheet command: filling the pages, running the sheet, and taking the result.
#include "ui/property_command.h"
#include <windows.h>
#include <shellapi.h>
#include <string>
#include "collection/list_boxes.h"
#include "engine/engine.h"
#include "framework/app.h"
#include "framework/property_sheet.h"
#include "framework/window.h"
#include "settings/settings_codes.h"
#include "settings/settings_store.h"
#include "ui/movani32_doc.h"
#include "ui/prop_p1.h"
#include "ui/prop_p2.h"
#include "ui/prop_p3b.h"
#include "ui/resource.h"
#include "ui/tray_icon.h"

namespace {

// The sheet has no owner window, so the command can come again while it is open.
bool g_sheetOpen = false;

// The file list box made again, sorted by the given mode and sort setting.
void RecreateFileList(HWND view, int change, int bmpSort, const mov::SettingsRecord& s) {
    if (HWND old = GetDlgItem(view, IDC_FILE_LIST)) DestroyWindow(old);
    mov::SettingsRecord rule = s;
    rule.Change = change;
    rule.BMPSort = bmpSort;
    mov::CreateFileListBox(view, rule);
}

}  // namespace

void FillPropertyPages(const ViewParts& view, CPropP1& p1, CPropP2& p2, PropP3b& p3) {
    const mov::SettingsRecord& s = view.doc->settings;
    p1.modify = s.Modify;
    p1.interval = s.Interval;
    p1.change = s.Change;
    p1.placement = s.AutoTile == mov::kAutoTileArmed ? mov::kPlaceAuto : s.TileWallPaper;
    p1.tileLength = s.TileLength;
    p1.tileHeight = s.TileHeight;
    p1.adjust = s.Adjust;
    p1.smartPos = s.SmartPos;
    p1.adBegin = s.AdBegin;
    p1.adEnd = s.AdEnd;

    p2.inactive = s.Inactive;
    p2.bmpSort = s.BMPSort;
    p2.wrightButton = s.WrightButton;
    p2.delayedAction = s.DelayedAction;
    p2.scEnabled = s.SCenabled;
    p2.jpegRead = s.JPEGRead;
    p2.tiledatRight = s.TiledatRight;
    p2.iconOn = s.IconOn;
    p2.frontMaxChange = s.FrontMaxChange;
    p2.jpegAvailable = s.JpegAvailable;

    p3.activeDeskTopMode = s.ActiveDeskTopMode;
    p3.osKind = s.OsKind;
    p3.jpegAvailable = s.JpegAvailable;
    p3.susiePlugIn = s.SusiePlugIn;
    p3.lhaAvailable = s.LhaAvailable;
    p3.ieVersion = s.IeVersion;
    p3.integrated = s.IntegratedBrowser == 1 ? 1 : 0;
    p3.KeepReport();
}

void TakePropertyPages(const ViewParts& view, const CPropP1& p1, const CPropP2& p2, const PropP3b& p3, bool ok) {
    CMovani32Doc* doc = view.doc;
    mov::SettingsRecord& s = doc->settings;
    mov::Engine& engine = *view.engine;
    const HWND w = view.view;

    if (ok || p1.applied) {
        s.Modify = p1.modify;
        s.Interval = p1.interval;
        engine.Reload(s.Interval);
        if (s.Change != p1.change) RecreateFileList(w, p1.change, p2.bmpSort, s);
        s.Change = p1.change;
        if (p1.placement == mov::kPlaceAuto) {
            s.AutoTile = mov::kAutoTileArmed;
        } else {
            s.TileWallPaper = p1.placement;
            s.AutoTile = mov::kAutoTileOff;
        }
        s.TileLength = p1.tileLength;
        s.TileHeight = p1.tileHeight;
        s.Adjust = p1.adjust;
        s.SmartPos = p1.smartPos;
        s.AdBegin = p1.adBegin;
        s.AdEnd = p1.adEnd;
        engine.desktop().WriteTileSetting();
    }

    if (ok || p2.applied) {
        s.Inactive = p2.inactive;
        if (s.SCenabled != p2.scEnabled) {
            s.SCenabled = p2.scEnabled;
            doc->positions.BmpPos = 0;
        }
        // "Rand2" keeps its own order: the sort setting does not touch its list.
        if (s.BMPSort != p2.bmpSort && p1.change != mov::kChangeRand2) {
            RecreateFileList(w, p1.change, p2.bmpSort, s);
            doc->positions.BmpPos = 0;
        }
        s.BMPSort = p2.bmpSort;
        s.DelayedAction = p2.delayedAction;
        engine.EndDelayedStart();
        s.WrightButton = p2.wrightButton;
        s.JPEGRead = p2.jpegRead;
        s.FrontMaxChange = p2.frontMaxChange;
        s.IconOn = p2.iconOn;
        s.TiledatRight = p2.tiledatRight;
        if (s.TiledatRight == 0) engine.desktop().RestoreTileOrigin();
    }

    if (ok || p3.applied) s.ActiveDeskTopMode = p3.activeDeskTopMode;

    if (ok || p1.applied || p2.applied || p3.applied) {
        mov::SaveSettings(s);
        // The icon follows IconOn now, so no later tray call (the one at exit included)
        // finds the icon's state behind the setting.
        view.tray->Set(TrayIcon::StateIcon(s), NIM_MODIFY, s.IconOn);
        engine.RescanAndShow();
    }
}

void RunPropertySheet(const ViewParts& view) {
    const HWND w = view.view;
    if (!w || !view.doc || !view.engine) return;
    if (g_sheetOpen) return;
    g_sheetOpen = true;
    view.engine->Hold();

    CPropP1 p1;
    CPropP2 p2;
    PropP3b p3;
    FillPropertyPages(view, p1, p2, p3);
    const HINSTANCE inst = fw::InstanceOf(w);
    fw::CPropertySheet sheet(fw::LoadResString(inst, AFX_IDS_APP_TITLE), nullptr, 0);
    sheet.AddPage(&p1);
    sheet.AddPage(&p2);
    sheet.AddPage(&p3);
    const bool ok = sheet.DoModal(inst) == IDOK;
    g_sheetOpen = false;

    // The program was closed while the sheet was open: its window and icon are gone.
    if (!IsWindow(w)) return;
    TakePropertyPages(view, p1, p2, p3, ok);
    view.engine->Resume();
}
