// The command table on the real frame and view: stop/go and its three indicators, the
// wallpaper's removal and return, deleting a group, the lists' double clicks and the tray
// icon's buttons and menu.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>
#include "collection/list_boxes.h"
#include "collection_fixture.h"
#include "settings/busy_flag.h"
#include "settings/settings_codes.h"
#include "engine_access.h"
#include "test_support.h"
#include "ui/main_frame.h"
#include "ui/movani32_doc.h"
#include "ui/movani32_view.h"
#include "ui/resource.h"

namespace {

using testsupport::ScratchDir;

class IconView : public CMovani32View {
public:
    unsigned lastIcon = 0;

protected:
    void ShowTrayIcon(unsigned id) override {
        lastIcon = id;
        CMovani32View::ShowTrayIcon(id);
    }
};

class ViewCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        for (const char* n : {"a1.bmp", "a2.bmp"}) testsupport::WriteBmp(a.file(n), 8, 8, 0xd02818);
        for (const char* n : {"b1.bmp", "b2.bmp"}) testsupport::WriteBmp(b.file(n), 8, 8, 0x1830d0);
        testsupport::WriteBmp(c.file("c1.bmp"), 8, 8);
        collectiontest::ClearGroupKey();
        const std::string paths[] = {a.path(), b.path(), c.path()};
        for (int i = 0; i < 3; ++i) collectiontest::SetGroupString(i == 0 ? "00" : i == 1 ? "01" : "02", paths[i]);
        collectiontest::SetGroupDword("Count", 2);
        collectiontest::SetGroupDword("DirPos", 1);
        collectiontest::SetGroupDword("BmpPos", 1);
        mov::SettingsRecord& s = doc.settings;
        s.TempFolder = temp.path();
        s.Interval = 60;
        s.BMPSort = 1;
        s.Change = mov::kChangeRand;
        s.WrightButton = mov::kButtonNext;
        s.IconOn = 0;
        s.OsKind = mov::kOs2000;
        s.ActiveDeskTopMode = mov::kDesktopStandard;
        ASSERT_TRUE(frame.LoadFrame(IDR_MAINFRAME, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                    "Movani32", GetModuleHandleA(nullptr)));
        auto v = std::make_unique<IconView>();
        view = v.get();
        frame.SetViewAndDocument(std::move(v), &doc);
        view->OnInitialUpdate();
        KillTimer(view->hwnd(), view->engine()->timerId());  // no tick may interfere
        frame.ActivateFrame(SW_SHOWNORMAL);
        frame.SetReady();
    }
    void TearDown() override {
        collectiontest::ClearGroupKey();
        DestroyWindow(frame.hwnd());
    }

    void Send(UINT id) { SendMessageA(frame.hwnd(), WM_COMMAND, id, 0); }
    void Tray(UINT mouseEvent) { SendMessageA(view->hwnd(), WM_TRAY_NOTIFY, ID_TRAY_ICON, mouseEvent); }
    void DoubleClick(int listId) {
        SendMessageA(view->hwnd(), WM_COMMAND, MAKEWPARAM(listId, LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(GetDlgItem(view->hwnd(), listId)));
    }
    // "Change remembered caption menu-entry icon" after the last command.
    std::string RunState() {
        char caption[16] = {}, entry[64] = {};
        GetDlgItemTextA(view->hwnd(), ID_STOP_GO, caption, sizeof caption);
        HMENU sys = GetSystemMenu(frame.hwnd(), FALSE);
        GetMenuStringA(sys, ID_STOP_GO, entry, sizeof entry, MF_BYCOMMAND);
        const bool checked = GetMenuState(sys, ID_STOP_GO, MF_BYCOMMAND) & MF_CHECKED;
        return std::to_string(doc.settings.Change) + " " + std::to_string(view->engine()->rememberedMode()) + " " + caption +
               " " + entry + (checked ? "[x] " : "[ ] ") + std::to_string(view->lastIcon);
    }
    std::string Position() const {
        return std::to_string(doc.positions.DirPos) + "/" + std::to_string(doc.positions.BmpPos) + " " +
               doc.GetTitle().substr(doc.GetTitle().find_last_of('\\') + 1);
    }

    ScratchDir temp{"cmd-temp"}, a{"cmd-a"}, b{"cmd-b"}, c{"cmd-c"};
    testsupport::CountingClock clock{0};
    testsupport::ClockScope clockScope{clock};
    CMovani32Doc doc;
    CMainFrame frame;
    IconView* view = nullptr;
};

TEST_F(ViewCommandsTest, StopGoSetsTheModeAndItsThreeIndicators) {
    const std::string kEntry = "壁紙変更の中断";
    struct { UINT id; std::string want; } steps[] = {
        {ID_STOP_GO, "3 1 Go " + kEntry + "[x] 133"},
        {ID_STOP_GO, "1 1 Stop " + kEntry + "[ ] 137"},
        {ID_STOP, "3 1 Go " + kEntry + "[x] 133"},
        {ID_STOP, "3 3 Go " + kEntry + "[x] 133"},   // two stops forget the mode...
        {ID_GO, "0 0 Stop " + kEntry + "[ ] 137"},   // ...and Go resumes in Auto
        {ID_MENU_CANCEL, "0 0 Stop " + kEntry + "[ ] 137"},
    };
    for (auto& step : steps) {
        Send(step.id);
        EXPECT_EQ(RunState(), step.want) << step.id;
    }
}

// A renewal loads the settings again and shows their run state, as a start does, whatever
// the indicators showed before it.
TEST_F(ViewCommandsTest, RenewalShowsTheRunStateOfTheReloadedSettings) {
    const char* mode = "Software\\Farnwick\\MovAni32\\Mode";
    const std::string kept = testsupport::RegText(HKEY_CURRENT_USER, mode, "Change");
    const std::string kEntry = "壁紙変更の中断";
    struct { const char* stored; UINT before; std::string want; } rows[] = {
        {"No", ID_GO, "3 3 Go " + kEntry + "[x] 133"},
        {"Rand", ID_STOP, "1 1 Stop " + kEntry + "[ ] 137"},
    };
    for (auto& row : rows) {
        testsupport::RegPutText(HKEY_CURRENT_USER, mode, "Change", row.stored);
        Send(row.before);
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Farnwick\\MovAni32\\Desktop");  // no question about the desktop
        Send(ID_FILE_NEW);
        EXPECT_EQ(RunState(), row.want) << row.stored;
    }
    HKEY k;
    if (kept.empty() && RegOpenKeyExA(HKEY_CURRENT_USER, mode, 0, KEY_SET_VALUE, &k) == ERROR_SUCCESS) {
        RegDeleteValueA(k, "Change");
        RegCloseKey(k);
    } else if (!kept.empty()) {
        testsupport::RegPutText(HKEY_CURRENT_USER, mode, "Change", kept);
    }
}

TEST_F(ViewCommandsTest, NoPaperStopsAndBringsBackWhatRanBefore) {
    doc.settings.Change = mov::kChangeRand;
    auto paper = [this] {
        char caption[32] = {};
        GetDlgItemTextA(view->hwnd(), ID_NO_PAPER, caption, sizeof caption);
        return std::to_string(doc.settings.PaperRemoved) + " " + caption + " " + std::to_string(doc.settings.Change);
    };
    struct { UINT id; const char* want; } steps[] = {
        {ID_NO_PAPER, "1 Retern Paper 3"}, {ID_NO_PAPER, "0 No Paper 1"},   // running: resumes in Rand
        {ID_STOP, "0 No Paper 3"},
        {ID_NO_PAPER, "1 Retern Paper 3"}, {ID_NO_PAPER, "0 No Paper 3"},   // stopped: stays stopped
        {ID_NO_PAPER, "1 Retern Paper 3"}, {ID_REDISPLAY, "0 No Paper 3"},  // both redisplays show again
        {ID_NO_PAPER, "1 Retern Paper 3"}, {ID_REDISPLAY2, "0 No Paper 3"},
    };
    for (auto& step : steps) {
        Send(step.id);
        EXPECT_EQ(paper(), step.want) << step.id;
    }
    EXPECT_EQ(Position(), "1/1 b2.bmp");
}

TEST_F(ViewCommandsTest, DeleteAsksThenMovesThePositionsAndShowsTheCurrentGroup) {
    EXPECT_EQ(doc.groups.size(), 3);
    mov::LbSelect(view->hwnd(), IDC_GROUP_LIST, 0);
    testsupport::SeenBox box = testsupport::AnswerMessageBox(IDCANCEL, [this] { Send(ID_DELETE_GROUP); });
    EXPECT_EQ(box.caption, "ディレクトリの削除");
    EXPECT_EQ(box.text, "ディレクトリ" + a.path() + "を削除します。\n\nよろしいですか？");
    EXPECT_EQ(doc.groups.size(), 3);

    // Below the current group: it moves down with its file, which is shown.
    testsupport::AnswerMessageBox(IDOK, [this] { Send(ID_DELETE_GROUP); });
    ASSERT_EQ(doc.groups.size(), 2);
    EXPECT_EQ(Position(), "0/1 b2.bmp");
    EXPECT_EQ(mov::LbSelection(view->hwnd(), IDC_GROUP_LIST), 0);
    // The current group itself: back to the first file of the first group.
    testsupport::AnswerMessageBox(IDOK, [this] { Send(ID_DELETE_GROUP); });
    EXPECT_EQ(Position(), "0/0 c1.bmp");
    // The last one: the stored list goes too, so it does not come back at the next start.
    testsupport::AnswerMessageBox(IDOK, [this] { Send(ID_DELETE_GROUP); });
    EXPECT_EQ(doc.groups.size(), 0);
    EXPECT_EQ(mov::LbCount(view->hwnd(), IDC_FILE_LIST), 0);
    uint32_t count = 0;
    EXPECT_FALSE(collectiontest::GroupDword("Count", count));
    Send(ID_DELETE_GROUP);  // an empty list asks nothing
}

TEST_F(ViewCommandsTest, DoubleClicksEnterAGroupAndPickAFile) {
    mov::LbSelect(view->hwnd(), IDC_GROUP_LIST, 0);
    SendMessageA(view->hwnd(), WM_COMMAND, MAKEWPARAM(IDC_GROUP_LIST, LBN_SELCHANGE), 0);
    EXPECT_EQ(doc.positions.DirPos, 1);  // only the double click acts
    DoubleClick(IDC_GROUP_LIST);
    EXPECT_EQ(Position(), "0/0 a1.bmp");
    mov::LbSelect(view->hwnd(), IDC_FILE_LIST, 1);
    mov::EngineTestAccess::SetCountdown(*view->engine(), 3);
    DoubleClick(IDC_FILE_LIST);
    EXPECT_EQ(Position(), "0/1 a2.bmp");
    EXPECT_EQ(view->engine()->countdown(), view->engine()->reload());
    EXPECT_EQ(view->engine()->timerPeriod(), 10000u);
    char text[32] = {};
    GetDlgItemTextA(view->hwnd(), IDC_COUNTDOWN, text, sizeof text);
    EXPECT_STREQ(text, "3600 sec.");  // 369 ticks of 10 s, less the last ten seconds' ninety
}

// Reads the tray menu from inside its modal loop, then closes it.
std::vector<std::string> g_menu;
RECT g_menuRect{};
void CALLBACK ReadMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND w = FindWindowA("#32768", nullptr);
    if (!w || !IsWindowVisible(w)) return;
    HMENU m = reinterpret_cast<HMENU>(SendMessageA(w, MN_GETHMENU, 0, 0));
    GetWindowRect(w, &g_menuRect);
    g_menu.clear();
    for (int i = 0; i < GetMenuItemCount(m); ++i) {
        char text[64] = {};
        GetMenuStringA(m, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        const UINT state = GetMenuState(m, static_cast<UINT>(i), MF_BYPOSITION);
        g_menu.push_back((state & MF_SEPARATOR) ? "-"
                                                : std::to_string(GetMenuItemID(m, i)) + " " + text +
                                                      ((state & MF_CHECKED) ? " [x]" : ""));
    }
    EndMenu();
}

TEST_F(ViewCommandsTest, TrayButtonsRunTheirPairAndTheMenu) {
    Tray(WM_RBUTTONDOWN);  // "Next": the next tick shows the following picture
    EXPECT_EQ(view->engine()->countdown(), 1);
    EXPECT_EQ(view->engine()->timerPeriod(), 100u);
    Tray(WM_LBUTTONDOWN);  // "Previous" within the group, shown by the next tick
    EXPECT_EQ(doc.positions.BmpPos, 0);
    EXPECT_EQ(view->engine()->countdown(), -2);
    Tray(WM_MOUSEMOVE);
    Tray(WM_LBUTTONUP);

    doc.settings.WrightButton = mov::kButtonInact;
    Tray(WM_RBUTTONDOWN);
    EXPECT_EQ(doc.settings.Change, mov::kChangeNo);
    Tray(WM_LBUTTONDOWN);
    EXPECT_EQ(doc.settings.Change, mov::kChangeRand);

    doc.settings.WrightButton = mov::kButtonHide;
    ASSERT_TRUE(IsWindowVisible(frame.hwnd()));
    Tray(WM_RBUTTONDOWN);
    EXPECT_FALSE(IsWindowVisible(frame.hwnd()));
    Tray(WM_RBUTTONDOWN);
    EXPECT_TRUE(IsWindowVisible(frame.hwnd()));

    Send(ID_NO_PAPER);  // removed and stopped: both entries checked
    UINT_PTR timer = SetTimer(nullptr, 0, 50, ReadMenu);
    Tray(WM_LBUTTONDOWN);
    KillTimer(nullptr, timer);
    EXPECT_EQ(g_menu, (std::vector<std::string>{
                          "32786 Ｘ終了", "-", "32772 壁紙なし [x]", "32773 壁紙変更の中断 [x]", "32775 前の壁紙",
                          "32774 次の壁紙", "32780 画面にあわせる／あわせない", "32777 中央／並べて",
                          "32784 フォームを隠す／表示する", "-", "32771 プロパティ...", "-", "32787 キャンセル"}));
    // Anchored 20 pixels in from the desktop's bottom-right corner, moved onto the screen
    // (above the taskbar, where the system keeps menus off it).
    RECT desk{}, work{};
    GetClientRect(GetDesktopWindow(), &desk);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const POINT anchor{std::min(desk.right - 20, work.right - 1), std::min(desk.bottom - 20, work.bottom - 1)};
    EXPECT_TRUE(PtInRect(&g_menuRect, anchor)) << g_menuRect.left << "," << g_menuRect.top;
    EXPECT_LE(g_menuRect.right, desk.right);
    EXPECT_LE(g_menuRect.bottom, desk.bottom);
}

}  // namespace
