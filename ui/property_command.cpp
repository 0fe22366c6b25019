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

using Settings = mov::SettingsRecord;

// A page value the sheet shows and takes back as it is; the others follow rules of their own.
template <class Page>
struct Plain {
    int Page::*page;
    int Settings::*setting;
};
const Plain<CPropP1> kP1[] = {
    {&CPropP1::modify, &Settings::Modify},         {&CPropP1::interval, &Settings::Interval},
    {&CPropP1::change, &Settings::Change},         {&CPropP1::tileLength, &Settings::TileLength},
    {&CPropP1::tileHeight, &Settings::TileHeight}, {&CPropP1::adjust, &Settings::Adjust},
    {&CPropP1::smartPos, &Settings::SmartPos},     {&CPropP1::adBegin, &Settings::AdBegin},
    {&CPropP1::adEnd, &Settings::AdEnd},
};
const Plain<CPropP2> kP2[] = {
    {&CPropP2::inactive, &Settings::Inactive},           {&CPropP2::bmpSort, &Settings::BMPSort},
    {&CPropP2::wrightButton, &Settings::WrightButton},   {&CPropP2::delayedAction, &Settings::DelayedAction},
    {&CPropP2::scEnabled, &Settings::SCenabled},         {&CPropP2::jpegRead, &Settings::JPEGRead},
    {&CPropP2::tiledatRight, &Settings::TiledatRight},   {&CPropP2::iconOn, &Settings::IconOn},
    {&CPropP2::frontMaxChange, &Settings::FrontMaxChange},
};

template <class Page, size_t N>
void Show(const Settings& s, Page& page, const Plain<Page> (&fields)[N]) {
    for (const Plain<Page>& f : fields) page.*f.page = s.*f.setting;
}
template <class Page, size_t N>
void Take(Settings& s, const Page& page, const Plain<Page> (&fields)[N]) {
    for (const Plain<Page>& f : fields) s.*f.setting = page.*f.page;
}

}  // namespace

void FillPropertyPages(const ViewParts& view, CPropP1& p1, CPropP2& p2, PropP3b& p3) {
    const Settings& s = view.doc->settings;
    Show(s, p1, kP1);
    p1.placement = s.AutoTile == mov::kAutoTileArmed ? mov::kPlaceAuto : s.TileWallPaper;
    Show(s, p2, kP2);
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
    Settings& s = doc->settings;
    mov::Engine& engine = *view.engine;
    const HWND w = view.view;

    if (ok || p1.applied) {
        if (s.Change != p1.change) RecreateFileList(w, p1.change, p2.bmpSort, s);
        Take(s, p1, kP1);
        engine.Reload(s.Interval);
        if (p1.placement == mov::kPlaceAuto) {
            s.AutoTile = mov::kAutoTileArmed;
        } else {
            s.TileWallPaper = p1.placement;
            s.AutoTile = mov::kAutoTileOff;
        }
        engine.desktop().WriteTileSetting();
    }

    if (ok || p2.applied) {
        // "Rand2" keeps its own order: the sort setting does not touch its list.
        const bool resort = s.BMPSort != p2.bmpSort && p1.change != mov::kChangeRand2;
        if (resort) RecreateFileList(w, p1.change, p2.bmpSort, s);
        if (resort || s.SCenabled != p2.scEnabled) doc->positions.BmpPos = 0;
        Take(s, p2, kP2);
        engine.EndDelayedStart();
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
