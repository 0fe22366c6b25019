// The tray icon under Wine's own shell: add, modify and delete on a real window, IconOn
// turning the icon off and on, and the icon images in the shipped program's resources.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
#include <cstddef>
#include "framework/handle.h"
#include "ui/resource.h"
#include "ui/tray_icon.h"
#include "ui/tray_state.h"

namespace {

// Asks the shell directly whether it holds our icon: a change of nothing but the tip
// succeeds only for an icon it knows.
bool InTray(HWND w) {
    NOTIFYICONDATAA nid{};
    nid.cbSize = static_cast<DWORD>(offsetof(NOTIFYICONDATAA, szTip) + 64);
    nid.hWnd = w;
    nid.uID = ID_TRAY_ICON;
    nid.uFlags = NIF_TIP;
    lstrcpyA(nid.szTip, "MovAni32");
    return Shell_NotifyIconA(NIM_MODIFY, &nid) != FALSE;
}

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The images come from the shipped program, as the running program loads its own.
        exe_.reset(LoadLibraryExA("Movani32.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE));
        ASSERT_TRUE(exe_);
        wnd_ = CreateWindowExA(0, "STATIC", "tray test", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(wnd_, nullptr);
        tray_.Attach(wnd_, exe_.get());
    }
    void TearDown() override {
        NOTIFYICONDATAA nid{};
        nid.cbSize = static_cast<DWORD>(offsetof(NOTIFYICONDATAA, szTip) + 64);
        nid.hWnd = wnd_;
        nid.uID = ID_TRAY_ICON;
        Shell_NotifyIconA(NIM_DELETE, &nid);
        if (wnd_) DestroyWindow(wnd_);
    }

    fw::Module exe_;
    HWND wnd_ = nullptr;
    TrayIcon tray_;
};

TEST_F(TrayIconTest, IconOffLeavesTheShellAloneAndTheFlagAsItIs) {
    tray_.SetShown(0);
    tray_.maximizedPause = 1;
    EXPECT_TRUE(tray_.Set(IDI_TRAY_NEXT, NIM_ADD, 0));
    EXPECT_FALSE(InTray(wnd_));
    EXPECT_TRUE(tray_.Set(IDI_TRAY_CHANGING, NIM_MODIFY, 0));
    EXPECT_TRUE(tray_.Set(IDR_MAINFRAME, NIM_DELETE, 0));
    EXPECT_FALSE(InTray(wnd_));
    EXPECT_EQ(tray_.maximizedPause, 1);
    EXPECT_EQ(tray_.shown(), 0);
}

TEST_F(TrayIconTest, AddModifyDeleteReachTheShell) {
    tray_.SetShown(1);
    tray_.maximizedPause = 1;
    ASSERT_TRUE(tray_.Set(IDI_TRAY_NEXT, NIM_ADD, 1));
    EXPECT_TRUE(InTray(wnd_));
    EXPECT_EQ(tray_.maximizedPause, 0);
    // Every image the program shows can be set.
    const UINT images[] = {IDI_TRAY_CHANGING, IDI_TRAY_MAXIMIZED, IDI_TRAY_STOPPED, IDI_TRAY_REMOVE,
                           IDI_TRAY_PREV, IDI_TRAY_INACT, IDI_TRAY_TILE, IDR_MAINFRAME};
    for (UINT id : images) {
        tray_.maximizedPause = 1;
        EXPECT_TRUE(tray_.Set(id, NIM_MODIFY, 1)) << id;
        EXPECT_EQ(tray_.maximizedPause, 0) << id;
    }
    // A second add is refused by the shell and reported as such; the icon stays.
    EXPECT_FALSE(tray_.Set(IDI_TRAY_NEXT, NIM_ADD, 1));
    EXPECT_TRUE(InTray(wnd_));
    EXPECT_EQ(tray_.shown(), 1);
    EXPECT_TRUE(tray_.Set(IDR_MAINFRAME, NIM_DELETE, 1));
    EXPECT_FALSE(InTray(wnd_));
    // Nothing to change any more: the shell's failure comes back as it is.
    EXPECT_FALSE(tray_.Set(IDI_TRAY_NEXT, NIM_MODIFY, 1));
}

TEST_F(TrayIconTest, IconOnTurnedOffDeletesAndTurnedOnAdds) {
    tray_.SetShown(1);
    ASSERT_TRUE(tray_.Set(IDI_TRAY_NEXT, NIM_ADD, 1));
    // Off: the next update, a modify, removes the icon.
    tray_.maximizedPause = 1;
    EXPECT_TRUE(tray_.Set(IDI_TRAY_CHANGING, NIM_MODIFY, 0));
    EXPECT_FALSE(InTray(wnd_));
    EXPECT_EQ(tray_.shown(), 0);
    EXPECT_EQ(tray_.maximizedPause, 0);
    // Staying off: no shell call, so nothing comes back.
    EXPECT_TRUE(tray_.Set(IDI_TRAY_NEXT, NIM_MODIFY, 0));
    EXPECT_FALSE(InTray(wnd_));
    // On again: even a delete adds it.
    EXPECT_TRUE(tray_.Set(IDI_TRAY_PREV, NIM_DELETE, 1));
    EXPECT_TRUE(InTray(wnd_));
    EXPECT_EQ(tray_.shown(), 1);
}

TEST_F(TrayIconTest, ShippedProgramHoldsEveryImageAtBothSizes) {
    for (int change : {0, 3}) {
        for (int button = 0; button <= 5; ++button) {
            int id = mov::TrayIconForState(change, button);
            for (int size : {16, 32}) {
                fw::Icon icon(static_cast<HICON>(LoadImageA(exe_.get(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0)));
                ASSERT_TRUE(icon) << id;
                ICONINFO info{};
                ASSERT_TRUE(GetIconInfo(icon.get(), &info)) << id;
                fw::Bitmap color(info.hbmColor), mask(info.hbmMask);  // ours to delete
                BITMAP bm{};
                GetObjectA(color ? color.get() : mask.get(), sizeof bm, &bm);
                EXPECT_EQ(bm.bmWidth, size) << id;
            }
        }
    }
    for (UINT id : {IDI_TRAY_CHANGING, IDI_TRAY_MAXIMIZED}) {
        fw::Icon icon(static_cast<HICON>(LoadImageA(exe_.get(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0)));
        EXPECT_TRUE(icon) << id;
    }
}

}  // namespace
