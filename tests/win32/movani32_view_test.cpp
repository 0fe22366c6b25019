// The view draws what the desktop writer reports: the "NoPaper" button's caption and the
// frame's system-menu entry follow the removal and the return of the wallpaper.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>
#include "engine/desktop_writer.h"
#include "settings/settings_codes.h"
#include "ui/movani32_view.h"
#include "ui/resource.h"

namespace {

// "button caption|menu text|checked" as the view shows them.
std::string Shown(HWND button, HMENU menu) {
    char caption[64] = {}, text[64] = {};
    GetWindowTextA(button, caption, sizeof caption);
    GetMenuStringA(menu, ID_NO_PAPER, text, sizeof text, MF_BYCOMMAND);
    const bool checked = GetMenuState(menu, ID_NO_PAPER, MF_BYCOMMAND) & MF_CHECKED;
    return std::string(caption) + "|" + text + "|" + (checked ? "checked" : "unchecked");
}

TEST(ViewPaperDisplay, RemovalAndReturnShowOnTheButtonAndTheSystemMenu) {
    HINSTANCE inst = GetModuleHandleA(nullptr);
    HWND frame = CreateWindowA("STATIC", "frame", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr, inst, nullptr);
    ASSERT_NE(frame, nullptr);
    HMENU menu = GetSystemMenu(frame, FALSE);
    AppendMenuA(menu, MF_STRING, ID_NO_PAPER, "壁紙なし");
    CMovani32View view;
    ASSERT_TRUE(view.Create(frame, inst, AFX_IDW_PANE_FIRST));
    HWND button = CreateWindowA("BUTTON", "No Paper", WS_CHILD, 0, 0, 80, 20, view.hwnd(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(ID_NO_PAPER)), inst, nullptr);

    mov::SettingsRecord s;
    s.OsKind = mov::kOs2000;
    s.ActiveDeskTopMode = mov::kDesktopStandard;
    mov::FitOverride fit;
    mov::DesktopWriter writer(s, fit, &view);
    writer.RemoveWallpaper();
    EXPECT_EQ(Shown(button, menu), "Retern Paper|壁紙なし|checked");
    writer.CompleteChange(false);
    EXPECT_EQ(Shown(button, menu), "No Paper|壁紙なし|unchecked");
    DestroyWindow(frame);  // the view's window goes with it, before the view object
}

}  // namespace
