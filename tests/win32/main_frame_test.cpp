// The real main window in-process: its first activation, the system-menu entries, the menu
// bar's enabled items, and what the frame forwards to the view.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <cstring>
#include <memory>
#include <string>
#include <vector>
#include "ui/movani32_doc.h"
#include "ui/main_frame.h"
#include "ui/movani32_view.h"
#include "ui/resource.h"
#include "test_support.h"

namespace {

// The program's view, recording the commands that reach it.
class RecordingView : public CMovani32View {
public:
    bool OnCmdMsg(UINT id, bool execute) override {
        if (execute && id >= ID_PROPERTIES && id <= ID_LEFT_CLICK) {
            seen.push_back(id);
            return true;
        }
        return CMovani32View::OnCmdMsg(id, execute);
    }
    std::vector<UINT> seen;
};

std::vector<std::string> MenuLines(HMENU menu) {
    std::vector<std::string> out;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        if (state & MF_SEPARATOR) {
            out.push_back("-");
            continue;
        }
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        out.push_back(std::to_string(GetMenuItemID(menu, i)) + " " + text + ((state & MF_GRAYED) ? " (grayed)" : ""));
    }
    return out;
}

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A frame destroyed by an earlier test posted WM_QUIT, which would end any modal loop.
        MSG quit;
        while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        ASSERT_TRUE(frame_.LoadFrame(IDR_MAINFRAME, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                     "Movani32", GetModuleHandleA(nullptr)));
        auto view = std::make_unique<RecordingView>();
        view_ = view.get();
        frame_.SetViewAndDocument(std::move(view), &doc_);
    }
    void TearDown() override { DestroyWindow(hwnd()); }
    HWND hwnd() const { return frame_.hwnd(); }

    CMovani32Doc doc_;
    CMainFrame frame_;
    RecordingView* view_ = nullptr;
};

TEST_F(MainFrameTest, StartsMinimisedWithTheProgramsSystemMenuAndForwardsItsCommands) {
    char cls[32] = {};
    GetClassNameA(hwnd(), cls, sizeof cls);
    EXPECT_STREQ(cls, "MovaniClass");
    RECT r{};
    GetWindowRect(hwnd(), &r);
    EXPECT_EQ(r.right - r.left, 480);
    EXPECT_EQ(r.bottom - r.top, 390);

    // A command before start-up is over is dropped.
    SendMessageA(hwnd(), WM_COMMAND, ID_NEXT, 0);
    EXPECT_TRUE(view_->seen.empty());

    frame_.ActivateFrame(SW_SHOWNORMAL);
    frame_.SetReady();
    EXPECT_TRUE(IsIconic(hwnd()));
    std::vector<std::string> sys = MenuLines(GetSystemMenu(hwnd(), FALSE));
    ASSERT_GE(sys.size(), 10u);
    EXPECT_EQ(std::vector<std::string>(sys.end() - 10, sys.end()),
              (std::vector<std::string>{"-", "32772 壁紙なし", "32773 壁紙変更の中断／再開", "32775 前の壁紙",
                                        "32774 次の壁紙", "32780 画面にあわせる／あわせない", "32777 中央／並べて",
                                        "32784 フォームを隠す／表示する", "-", "32771 ﾌﾟﾛﾊﾟﾃｨ..."}));

    // Minimised, a right click on the window runs the tray's right-button command.
    SendMessageA(hwnd(), WM_NCRBUTTONDOWN, HTNOWHERE, 0);
    // Eight system commands go to the view; the others of the range do not.
    for (UINT id = ID_PROPERTIES; id <= ID_LEFT_CLICK; ++id) SendMessageA(hwnd(), WM_SYSCOMMAND, id, 0);
    EXPECT_EQ(view_->seen, (std::vector<UINT>{ID_RIGHT_CLICK, ID_PROPERTIES, ID_NO_PAPER, ID_STOP_GO, ID_NEXT,
                                              ID_PREV, ID_CENTER_TILE, ID_FIT_SCREEN, ID_HIDE_FORM}));

    // Later activations keep the show state they are given and add nothing.
    frame_.ActivateFrame(SW_RESTORE);
    EXPECT_FALSE(IsIconic(hwnd()));
    EXPECT_EQ(MenuLines(GetSystemMenu(hwnd(), FALSE)).size(), sys.size());
    view_->seen.clear();
    SendMessageA(hwnd(), WM_NCRBUTTONDOWN, HTNOWHERE, 0);
    EXPECT_TRUE(view_->seen.empty());
}

TEST_F(MainFrameTest, MenuBarShowsItemsWithoutHandlerDisabled) {
    HMENU bar = GetMenu(hwnd());
    ASSERT_NE(bar, nullptr);
    std::vector<std::string> lines;
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        HMENU popup = GetSubMenu(bar, i);
        SendMessageA(hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(i, FALSE));
        for (const std::string& l : MenuLines(popup)) lines.push_back(l);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "57665 アプリケーションの終了(&X)", "57643 アンドゥ(&U)\tCtrl+Z (grayed)", "-",
                         "57635 切り取り(&T)\tCtrl+X (grayed)", "57634 コピー(&C)\tCtrl+C (grayed)",
                         "57637 貼り付け(&P)\tCtrl+V (grayed)", "32771 詳細...(&D)",
                         "57670 Movani32ヘルプ(&H)", "-", "57664 バージョン情報(Movani32) (&A)..."}));
}

}  // namespace

namespace {

// Answers every message box this thread shows with OK, keeping their texts.
std::vector<std::string> g_boxTexts;
BOOL CALLBACK FindBox(HWND w, LPARAM out) {
    char cls[16] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (std::strcmp(cls, "#32770") != 0 || !IsWindowVisible(w)) return TRUE;
    *reinterpret_cast<HWND*>(out) = w;
    return FALSE;
}
void CALLBACK AnswerBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box) return;
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    g_boxTexts.push_back(text);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

// Names the file in this thread's file dialog (either style's name box) and confirms it;
// without a name to give, cancels it. Either way its title is kept.
std::string g_nameToGive, g_dialogTitle;
void CALLBACK NameTheFile(HWND, UINT, UINT_PTR, DWORD) {
    HWND dlg = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&dlg));
    if (!dlg) return;
    char title[128] = {};
    GetWindowTextA(dlg, title, sizeof title);
    g_dialogTitle = title;
    if (g_nameToGive.empty()) {
        PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    for (int box : {0x47C, 0x480}) SetDlgItemTextA(dlg, box, g_nameToGive.c_str());  // cmb13, edt1
    g_nameToGive.clear();
    PostMessageA(dlg, WM_COMMAND, IDOK, 0);
}

// A drop as the shell hands it over: DROPFILES followed by the ANSI paths.
HDROP MakeDrop(const std::vector<std::string>& paths) {
    std::string list;
    for (const std::string& p : paths) list += p + '\0';
    list += '\0';
    HGLOBAL mem = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
    auto* df = static_cast<DROPFILES*>(GlobalLock(mem));
    df->pFiles = sizeof(DROPFILES);
    df->fWide = FALSE;
    memcpy(reinterpret_cast<char*>(df) + sizeof(DROPFILES), list.data(), list.size());
    GlobalUnlock(mem);
    return static_cast<HDROP>(mem);
}

uint32_t GroupNumber(const char* name) {
    DWORD v = 0, size = sizeof v;
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Farnwick\\MovAni32\\Group", 0, KEY_READ, &k) != ERROR_SUCCESS)
        return 0xDEADBEEF;
    LONG rc = RegQueryValueExA(k, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&v), &size);
    RegCloseKey(k);
    return rc == ERROR_SUCCESS ? v : 0xDEADBEEF;
}

TEST_F(MainFrameTest, DroppedFoldersAndArchivesBecomeGroupsAndTheRestIsRefused) {
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Farnwick\\MovAni32\\Group");
    testsupport::ScratchDir pics("drop-pics"), jp("drop-\x95\x5c\x83\x5c");  // 表ソ: 0x5C trail bytes
    const std::string bmp = pics.file("a.bmp"), lzh = pics.file("set.lzh"), txt = pics.file("notes.txt");
    testsupport::WriteBmp(bmp, 4, 4);
    testsupport::WriteBytes(lzh, {1, 2, 3});
    testsupport::WriteBytes(txt, {1});
    const std::string tooLong = "C:\\" + std::string(260, 'x');
    frame_.SetReady();
    view_->OnInitialUpdate();  // a first start: no groups stored
    auto groups = [this] {
        std::vector<std::string> out;
        for (int i = 0; i < doc_.groups.size(); ++i) out.push_back(doc_.groups.at(i).path);
        return out;
    };

    g_boxTexts.clear();
    UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerBox);
    doc_.settings.LhaAvailable = 0;
    SendMessageA(hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({pics.path(), bmp, lzh, jp.path(), txt})), 0);
    EXPECT_EQ(groups(), (std::vector<std::string>{pics.path(), jp.path()}));
    EXPECT_EQ(GroupNumber("Count"), 1u);
    EXPECT_EQ(GroupNumber("DirPos"), 0xFFFFFFFFu);  // no group was ever selected
    doc_.settings.LhaAvailable = 1;
    SendMessageA(hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({lzh, pics.path(), tooLong})), 0);
    KillTimer(nullptr, timer);

    EXPECT_EQ(groups(), (std::vector<std::string>{pics.path(), jp.path(), lzh, pics.path()}));
    EXPECT_TRUE(doc_.groups.at(2).archive);
    EXPECT_EQ(GroupNumber("Count"), 3u);
    EXPECT_EQ(g_boxTexts, (std::vector<std::string>{
                              bmp + " はフォルダでは有りません",
                              lzh + " は壁紙フォルダ／書庫ではないので登録できません。",
                              txt + " は壁紙フォルダ／書庫ではないので登録できません。",
                              tooLong + " は壁紙フォルダ／書庫ではないので登録できません。"}));
}

TEST_F(MainFrameTest, FirstSaveAsksForTheNameInTheFileDialog) {
    testsupport::ScratchDir dir("save-as");
    const std::string path = dir.file("saved.mov");
    g_nameToGive = path;
    frame_.SetReady();
    UINT_PTR timer = SetTimer(nullptr, 0, 100, NameTheFile);
    SendMessageA(hwnd(), WM_COMMAND, ID_FILE_SAVE, 0);
    KillTimer(nullptr, timer);
    EXPECT_EQ(doc_.GetPathName(), path);
    EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    // Save asks in a save dialog, Open in an open dialog (the system's own titles).
    for (const auto& row : {std::make_pair(ID_FILE_SAVE, "名前を付けて保存"), std::make_pair(ID_FILE_OPEN, "開く")}) {
        doc_.SetPathName("");
        g_dialogTitle.clear();
        timer = SetTimer(nullptr, 0, 100, NameTheFile);
        SendMessageA(hwnd(), WM_COMMAND, row.first, 0);
        KillTimer(nullptr, timer);
        EXPECT_EQ(g_dialogTitle, row.second) << row.first;
    }
}

// The remote control's OFF while a drop's refusal box is up: the close waits for the drop,
// which saves the whole list, and then runs. A drop that comes after the close is let go.
TEST_F(MainFrameTest, ExitDuringADropsRefusalBoxWaitsForTheDrop) {
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Farnwick\\MovAni32\\Group");
    testsupport::ScratchDir a("drop-a"), c("drop-c"), d("drop-d");
    const std::string txt = a.file("x.txt");
    testsupport::WriteBytes(txt, {1});
    frame_.SetReady();
    view_->OnInitialUpdate();
    SendMessageA(hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({a.path(), c.path()})), 0);
    HDROP late = MakeDrop({c.path()});
    testsupport::AnswerMessageBox(
        IDOK, [&] { SendMessageA(hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({txt, d.path()})), 0); },
        [&] {
            SendMessageA(hwnd(), WM_COMMAND, ID_APP_EXIT, 0);
            SendMessageA(hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(late), 0);
        });
    EXPECT_EQ(GroupNumber("Count"), 2u);
    for (const auto& g : {std::make_pair("00", &a), std::make_pair("01", &c), std::make_pair("02", &d)})
        EXPECT_EQ(testsupport::RegText(HKEY_CURRENT_USER, "Software\\Farnwick\\MovAni32\\Group", g.first),
                  g.second->path());
    EXPECT_TRUE(IsWindow(hwnd()));
    testsupport::Pump();  // the exit, due now
    EXPECT_FALSE(IsWindow(hwnd()));
    EXPECT_EQ(GlobalFlags(late), static_cast<UINT>(GMEM_INVALID_HANDLE)) << "the late drop was not finished";
}

// Windows may end the process as soon as WM_ENDSESSION returns: a log-off inside a drop's
// refusal box saves at once what the drop has registered so far and the positions, and puts
// the desktop's values back. The close that follows writes nothing again.
TEST_F(MainFrameTest, LogOffInsideADropsRefusalBoxSavesAtOnce) {
    const char* group = "Software\\Farnwick\\MovAni32\\Group";
    RegDeleteKeyA(HKEY_CURRENT_USER, group);
    testsupport::ScratchDir a("logoff-a"), d("logoff-d");
    const std::string txt = a.file("x.txt");
    testsupport::WriteBytes(txt, {1});
    frame_.SetReady();
    view_->OnInitialUpdate();
    doc_.settings.SysWallpaperStyle = "0";
    testsupport::RegPutText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "WallpaperStyle", "2");
    std::string savedInside, styleInside;
    uint32_t countInside = 0;
    testsupport::AnswerMessageBox(
        IDOK, [&] { SendMessageA(hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({a.path(), txt, d.path()})), 0); },
        [&] {
            SendMessageA(hwnd(), WM_QUERYENDSESSION, 0, 0);
            SendMessageA(hwnd(), WM_ENDSESSION, TRUE, 0);
            savedInside = testsupport::RegText(HKEY_CURRENT_USER, group, "00");
            countInside = GroupNumber("Count");
            styleInside = testsupport::RegText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "WallpaperStyle");
        });
    EXPECT_EQ(savedInside, a.path());
    EXPECT_EQ(countInside, 0u);
    EXPECT_EQ(styleInside, "0");
    EXPECT_EQ(testsupport::RegText(HKEY_CURRENT_USER, group, "01"), d.path());  // the drop's own save
    testsupport::RegPutDword(HKEY_CURRENT_USER, group, "DirPos", 77);
    testsupport::Pump();  // the close the log-off left for after the drop
    EXPECT_FALSE(IsWindow(hwnd()));
    EXPECT_EQ(GroupNumber("DirPos"), 77u) << "saved twice";
}

// A Next from the tray while the start-up scan's box is up arms the program's timer, not one
// of id 0 that nothing kills.
TEST_F(MainFrameTest, NextDuringTheStartUpScansBoxArmsTheProgramsTimer) {
    testsupport::ScratchDir temp("start-temp");
    doc_.settings.TempFolder = temp.file("gone");  // no list file can be written there
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Farnwick\\MovAni32\\Group");
    testsupport::RegPutText(HKEY_CURRENT_USER, "Software\\Farnwick\\MovAni32\\Group", "00", temp.file("gone.lzh"));
    testsupport::RegPutDword(HKEY_CURRENT_USER, "Software\\Farnwick\\MovAni32\\Group", "Count", 0);
    frame_.SetReady();
    const testsupport::SeenBox box = testsupport::AnswerMessageBox(
        IDOK, [&] { view_->OnInitialUpdate(); }, [&] { view_->CMovani32View::OnCmdMsg(ID_NEXT, true); });
    ASSERT_EQ(box.caption, "Movani32");
    EXPECT_FALSE(KillTimer(view_->hwnd(), 0));
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Farnwick\\MovAni32\\Group");
}

}  // namespace
