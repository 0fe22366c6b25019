// What closing the property sheet does to the running program, on the real view: which
// pages are taken, the countdown, the file list box's sorting, the desktop values and the
// tray icon. The sheet itself is driven end to end by e2e/property_sheet.sh.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>
#include "collection/list_boxes.h"
#include "ui/movani32_doc.h"
#include "settings/registry_paths.h"
#include "engine_access.h"
#include "test_support.h"
#include "ui/main_frame.h"
#include "ui/movani32_view.h"
#include "ui/prop_p1.h"
#include "ui/prop_p2.h"
#include "ui/prop_p3b.h"
#include "ui/property_command.h"
#include "ui/resource.h"
#include "framework/property_sheet.h"

namespace {

bool InTray(HWND view) {
    NOTIFYICONDATAA nid{};
    nid.cbSize = static_cast<DWORD>(offsetof(NOTIFYICONDATAA, szTip) + 64);
    nid.hWnd = view;
    nid.uID = 128;
    nid.uFlags = NIF_TIP;
    lstrcpyA(nid.szTip, "MovAni32");
    return Shell_NotifyIconA(NIM_MODIFY, &nid) != FALSE;
}

std::string ProfileTile() {
    char buf[32] = {};
    GetProfileStringA("Desktop", "TileWallpaper", "", buf, sizeof buf);
    return buf;
}

class PropertyCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        savedTile_ = ProfileTile();
        savedOrigin_ = testsupport::RegText(HKEY_CURRENT_USER, mov::kDesktopKey, "WallpaperOriginX");
        ASSERT_TRUE(frame_.LoadFrame(IDR_MAINFRAME, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, "Movani32",
                                     GetModuleHandleA(nullptr)));
        auto view = std::make_unique<CMovani32View>();
        view_ = view.get();
        frame_.SetViewAndDocument(std::move(view), &doc_);
        s().Interval = 10;
        s().BMPSort = 1;
        s().SysWallpaperOriginX = "0";
        view_->OnInitialUpdate();
        FillPropertyPages(view_->parts(), p1_, p2_, p3_);
    }
    void TearDown() override {
        DestroyWindow(frame_.hwnd());
        for (const char* k : {mov::kModeKey, mov::kSpecialKey, mov::kAdditionalKey}) RegDeleteKeyA(HKEY_CURRENT_USER, k);
        WriteProfileStringA("Desktop", "TileWallpaper", savedTile_.empty() ? nullptr : savedTile_.c_str());
        if (!savedOrigin_.empty()) {
            HKEY k;
            if (RegOpenKeyExA(HKEY_CURRENT_USER, mov::kDesktopKey, 0, KEY_SET_VALUE, &k) == ERROR_SUCCESS) {
                RegSetValueExA(k, "WallpaperOriginX", 0, REG_SZ, reinterpret_cast<const BYTE*>(savedOrigin_.c_str()),
                               static_cast<DWORD>(savedOrigin_.size() + 1));
                RegCloseKey(k);
            }
        }
    }
    mov::SettingsRecord& s() { return doc_.settings; }
    HWND viewHwnd() const { return view_->hwnd(); }
    HWND fileList() const { return GetDlgItem(viewHwnd(), IDC_FILE_LIST); }
    bool FileListSorted() const { return (GetWindowLongA(fileList(), GWL_STYLE) & LBS_SORT) != 0; }
    void Take(bool ok) {
        testsupport::CountingClock clock(0);
        testsupport::ClockScope scope(clock);
        TakePropertyPages(view_->parts(), p1_, p2_, p3_, ok);
    }

    std::string savedTile_, savedOrigin_;
    CMovani32Doc doc_;
    CMainFrame frame_;
    CMovani32View* view_ = nullptr;
    CPropP1 p1_;
    CPropP2 p2_;
    PropP3b p3_;
};

TEST_F(PropertyCommandTest, CancelWithoutApplyTakesNothingButAnAppliedPageIsTaken) {
    mov::EngineTestAccess::SetCountdown(*view_->engine(), 60);
    p1_.interval = 1;
    p2_.inactive = 1;
    p3_.activeDeskTopMode = 0;
    Take(false);
    EXPECT_EQ(s().Interval, 10);
    EXPECT_EQ(view_->engine()->countdown(), 60);
    EXPECT_EQ(s().Inactive, 0);

    p2_.applied = 1;
    Take(false);
    EXPECT_EQ(s().Interval, 10);
    EXPECT_EQ(s().Inactive, 1);
    EXPECT_EQ(s().ActiveDeskTopMode, 2);
    EXPECT_EQ(view_->engine()->delayedStart(), 2);
    EXPECT_EQ(testsupport::RegText(HKEY_CURRENT_USER, mov::kSpecialKey, "Inactive"), "ScreenSaver");
}

TEST_F(PropertyCommandTest, ALowerIntervalShortensTheCountdownAHigherOneDoesNot) {
    mov::EngineTestAccess::SetCountdown(*view_->engine(), 69);
    p1_.interval = 3;
    Take(true);
    EXPECT_EQ(view_->engine()->reload(), 27);
    EXPECT_EQ(view_->engine()->countdown(), 27);

    mov::EngineTestAccess::SetCountdown(*view_->engine(), 20);
    p1_.interval = 10;
    Take(true);
    EXPECT_EQ(view_->engine()->reload(), 69);
    EXPECT_EQ(view_->engine()->countdown(), 20);
}

TEST_F(PropertyCommandTest, FileListIsSortedByNameExceptInTheSecondRandomMode) {
    ASSERT_TRUE(FileListSorted());
    HWND before = fileList();
    p1_.change = 2;
    Take(true);
    EXPECT_NE(fileList(), before);
    EXPECT_FALSE(FileListSorted());
    EXPECT_EQ(GetWindowLongA(fileList(), GWL_STYLE), 0x50A01001);

    // The sort setting does not touch the list of "Rand2", nor the position in it.
    before = fileList();
    doc_.positions.BmpPos = 3;
    p2_.bmpSort = 0;
    Take(true);
    EXPECT_EQ(fileList(), before);
    EXPECT_EQ(doc_.positions.BmpPos, 3);

    p1_.change = 0;
    p2_.bmpSort = 1;
    Take(true);
    EXPECT_EQ(GetWindowLongA(fileList(), GWL_STYLE), 0x50A01003);
    EXPECT_EQ(doc_.positions.BmpPos, 0);
    RECT r{};
    GetWindowRect(fileList(), &r);
    MapWindowPoints(nullptr, viewHwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 180);
    EXPECT_EQ(r.right, 320);
}

TEST_F(PropertyCommandTest, PlacementTileTextOriginAndTrayIcon) {
    ASSERT_TRUE(InTray(viewHwnd()));
    p1_.placement = 2;
    s().TileWallPaper = 0;
    p2_.tiledatRight = 0;
    p2_.iconOn = 0;
    testsupport::RegDeleteValueIn(HKEY_CURRENT_USER, mov::kDesktopKey, "WallpaperOriginX");
    Take(true);
    EXPECT_EQ(s().AutoTile, 1);
    EXPECT_EQ(ProfileTile(), "0");  // the placement kept, written before saving
    EXPECT_EQ(s().TileWallPaper, 2);  // saving with automatic placement armed stores 2
    EXPECT_EQ(testsupport::RegText(HKEY_CURRENT_USER, mov::kDesktopKey, "WallpaperOriginX"), "0");
    EXPECT_FALSE(InTray(viewHwnd()));
    EXPECT_EQ(testsupport::RegText(HKEY_CURRENT_USER, mov::kModeKey, "IconOn"), "No");

    p1_.placement = 1;
    p2_.iconOn = 1;
    Take(true);
    EXPECT_EQ(s().AutoTile, 0);
    EXPECT_EQ(s().TileWallPaper, 1);
    EXPECT_EQ(ProfileTile(), "1");
    EXPECT_TRUE(InTray(viewHwnd()));
}

// The common controls of Windows 95 and NT 4.0 send OK's PSN_APPLY without the flag that
// tells it from Apply's: the pages here see it so. The sheet still ends as pressed.
DLGPROC g_pageProc = nullptr;
INT_PTR CALLBACK OldControlsPage(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lp)->code == PSN_APPLY) reinterpret_cast<PSHNOTIFY*>(lp)->lParam = 0;
    return g_pageProc(w, msg, wp, lp);
}
const std::vector<int>* g_presses = nullptr;
void CALLBACK PressButtons(HWND, UINT, UINT_PTR id, DWORD) {
    HWND sheet = GetActiveWindow();
    HWND page = sheet ? PropSheet_GetCurrentPageHwnd(sheet) : nullptr;
    if (!page) return;
    KillTimer(nullptr, id);
    g_pageProc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(page, DWLP_DLGPROC));
    SetWindowLongPtrA(page, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(&OldControlsPage));
    PropSheet_Changed(sheet, page);
    for (int button : *g_presses) PropSheet_PressButton(sheet, button);
}

TEST(PropertySheetEnd, OkIsToldFromApplyAndCancelOnOldCommonControls) {
    const struct {
        std::vector<int> presses;
        int result;
    } rows[] = {{{PSBTN_OK}, IDOK},
                {{PSBTN_CANCEL}, IDCANCEL},
                {{PSBTN_APPLYNOW, PSBTN_CANCEL}, IDCANCEL},
                {{PSBTN_APPLYNOW, PSBTN_OK}, IDOK}};
    MSG quit;  // left by a frame of an earlier test: it would end the sheet's loop at once
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    for (const auto& row : rows) {
        PropP3b page;
        fw::CPropertySheet sheet("Movani32", nullptr);
        sheet.AddPage(&page);
        g_presses = &row.presses;
        UINT_PTR timer = SetTimer(nullptr, 0, 50, PressButtons);
        EXPECT_EQ(sheet.DoModal(GetModuleHandleA(nullptr)), row.result) << row.presses.size() << " presses";
        KillTimer(nullptr, timer);
    }
}

}  // namespace
