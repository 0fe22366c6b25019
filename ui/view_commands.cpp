// The view's commands: the table of ids, the list boxes' double clicks and the tray icon's
// mouse buttons and menu.
#include <windows.h>
#include <shellapi.h>
#include "collection/group_store.h"
#include "collection/list_boxes.h"
#include "engine/countdown.h"
#include "framework/handle.h"
#include "framework/menu_entries.h"
#include "settings/settings_codes.h"
#include "ui/command_rules.h"
#include "ui/main_frame.h"
#include "ui/movani32_doc.h"
#include "ui/movani32_view.h"
#include "ui/property_command.h"
#include "ui/resource.h"

namespace {

// "壁紙変更の中断", the text of the system menu's stop/go entry once it has been used.
constexpr char kStopGoEntry[] = "壁紙変更の中断";

bool IsEngineCommand(UINT id) {
    switch (id) {
    case ID_NO_PAPER:
    case ID_STOP_GO:
    case ID_NEXT:
    case ID_PREV:
    case ID_DELETE_GROUP:
    case ID_CENTER_TILE:
    case ID_REDISPLAY:
    case ID_FIT_SCREEN:
    case ID_STOP:
    case ID_GO:
    case ID_REDISPLAY2:
        return true;
    default:
        return false;
    }
}

}  // namespace

bool CMovani32View::OnCmdMsg(UINT id, bool execute) {
    if (IsEngineCommand(id)) {
        if (execute && !QueuedWhileBusy(id, 0)) RunEngineCommand(id);
        return true;
    }
    switch (id) {
    case ID_ABOUT:
        if (execute && !QueuedWhileBusy(id, 0)) ShowAboutBox();
        return true;
    case ID_PROPERTIES:
        // The sheet's closing steps run a change cycle of their own.
        if (execute && !QueuedWhileBusy(id, 0)) RunPropertySheet(*this);
        return true;
    case ID_HELP_FILE:
        if (execute) OpenManual();
        return true;
    case ID_HIDE_FORM:
        if (execute) OnHideForm();
        return true;
    case ID_EXIT:
        if (execute) OnExit();
        return true;
    case ID_LEFT_CLICK:
    case ID_RIGHT_CLICK:
        if (execute && !QueuedWhileBusy(id, 0)) RunTrayButton(id == ID_LEFT_CLICK);
        return true;
    case ID_APP_EXIT:
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_SAVE:
        // The frame's closing and renewal free the groups a change under way still uses.
        return execute && QueuedWhileBusy(id, 0);
    default:
        return false;  // ID_MENU_CANCEL among them: choosing it only closes the menu
    }
}

// A command sent while a change waits on another process or a message box runs inside that
// wait; it runs after it, or the end of the change would overwrite what the command set.
bool CMovani32View::QueuedWhileBusy(WPARAM wp, LPARAM lp) { return DeferWhileBusy(hwnd_, WM_COMMAND, wp, lp); }

void CMovani32View::RunEngineCommand(UINT id) {
    CMovani32Doc* doc = GetDocument();
    if (!cycle_ || !doc) return;
    const mov::RunModes now{doc->settings.Change, rememberedMode};
    switch (id) {
    case ID_NEXT: cycle_->Next(); break;
    case ID_PREV: cycle_->Previous(); break;
    case ID_CENTER_TILE: cycle_->ToggleCenterTile(); break;
    case ID_FIT_SCREEN: cycle_->ToggleFit(); break;
    case ID_DELETE_GROUP: OnDeleteGroup(); break;
    case ID_NO_PAPER: OnNoPaper(); break;
    case ID_STOP_GO: SetRunModes(mov::StopGo(now)); break;
    case ID_STOP: SetRunModes(mov::Stop(now)); break;
    case ID_GO: SetRunModes(mov::Go(now)); break;
    default: cycle_->Run(); break;  // the two redisplays
    }
}

void CMovani32View::SetRunModes(const mov::RunModes& modes) {
    GetDocument()->settings.Change = modes.change;
    rememberedMode = modes.remembered;
    ShowRunState();
}

void CMovani32View::ShowRunState() {
    const bool running = mov::IsRunning(GetDocument()->settings.Change);
    SetDlgItemTextA(hwnd_, ID_STOP_GO, running ? "Stop" : "Go");
    if (HMENU sys = GetSystemMenu(GetParent(hwnd_), FALSE))
        ModifyMenuA(sys, ID_STOP_GO, MF_BYCOMMAND | MF_STRING | (running ? MF_UNCHECKED : MF_CHECKED), ID_STOP_GO,
                    kStopGoEntry);
    ShowTrayIcon(running ? CurrentTrayIcon() : IDI_TRAY_STOPPED);
}

// Removing the wallpaper always stops the countdown; bringing it back resumes it only when
// it ran before the removal.
void CMovani32View::OnNoPaper() {
    CMovani32Doc* doc = GetDocument();
    if (doc->settings.PaperRemoved == 1) {
        cycle_->Run();
        if (rememberedMode != mov::kChangeNo) RunEngineCommand(ID_GO);
    } else {
        writer_->RemoveWallpaper();
        RunEngineCommand(ID_STOP);
    }
}

void CMovani32View::OnHideForm() {
    HWND frame = FindWindowA(kMovaniClass, nullptr);
    if (!frame) return;
    ShowWindow(frame, IsWindowVisible(hwnd_) ? SW_HIDE : SW_SHOW);
}

void CMovani32View::OnExit() {
    if (HWND frame = FindWindowA(kMovaniClass, nullptr)) SendMessageA(frame, WM_COMMAND, ID_APP_EXIT, 0);
}

void CMovani32View::OnDeleteGroup() {
    CMovani32Doc* doc = GetDocument();
    const int index = mov::LbSelection(hwnd_, IDC_GROUP_LIST);
    if (mov::LbCount(hwnd_, IDC_GROUP_LIST) <= 0 || index < 0 || index >= doc->groups.size()) return;
    const std::string question = mov::DeleteGroupQuestion(doc->groups.at(index).path);
    if (MessageBoxA(GetParent(hwnd_), question.c_str(), mov::kDeleteGroupCaption, MB_OKCANCEL | MB_ICONQUESTION) !=
        IDOK)
        return;
    doc->groups.Remove(index);
    // With the last group gone nothing would be written at close and the group would come
    // back at the next start: the stored list is dropped now.
    if (doc->groups.empty()) mov::ForgetStoredGroups();
    const mov::GroupPositions pos =
        mov::PositionsAfterDelete(index, {doc->positions.DirPos, doc->positions.BmpPos});
    doc->positions.DirPos = pos.dirPos;
    doc->positions.BmpPos = pos.bmpPos;
    mov::LbSelect(hwnd_, IDC_GROUP_LIST, pos.dirPos);
    mov::LbClear(hwnd_, IDC_FILE_LIST);
    scan_->Scan(false);
    cycle_->WaitForScan();
    cycle_->Run();
}

void CMovani32View::OnListDoubleClick(UINT listId) {
    CMovani32Doc* doc = GetDocument();
    if (!doc || !cycle_ || mov::LbCount(hwnd_, static_cast<int>(listId)) <= 0) return;
    if (QueuedWhileBusy(MAKEWPARAM(listId, LBN_DBLCLK), 0)) return;
    if (listId == IDC_GROUP_LIST) {
        scan_->Scan(false);  // takes the selected group as the current one
        cycle_->WaitForScan();
        doc->positions.BmpPos = 0;
        cycle_->Run();
        return;
    }
    doc->positions.BmpPos = mov::LbSelection(hwnd_, IDC_FILE_LIST);
    cycle_->Run();
    countdown = reload;
    cycle_->ArmTimer(10000);
    ShowCountdown(mov::CountdownText(countdown));
}

// The shell reports the icon's mouse events with the event in lParam.
void CMovani32View::OnTrayNotify(UINT mouseEvent) {
    switch (mouseEvent) {
    case WM_LBUTTONDOWN:
        RunTrayButton(true);
        SetActiveWindow(hwnd_);
        break;
    case WM_RBUTTONDOWN:
        SendMessageA(hwnd_, WM_COMMAND, ID_RIGHT_CLICK, 0);
        break;
    case WM_MBUTTONDOWN:
        OnCmdMsg(ID_PROPERTIES, true);
        break;
    default:
        break;
    }
}

void CMovani32View::RunTrayButton(bool left) {
    const CMovani32Doc* doc = GetDocument();
    if (!doc) return;
    const unsigned command = mov::TrayButtonCommand(doc->settings.WrightButton, left);
    if (command == mov::kTrayMenu)
        ShowTrayMenu();
    else if (command != 0)
        OnCmdMsg(command, true);
}

// Anchored near the desktop's bottom-right corner, wherever the icon and the mouse are.
void CMovani32View::ShowTrayMenu() {
    const CMovani32Doc* doc = GetDocument();
    fw::Menu menu(CreatePopupMenu());
    if (!menu) return;
    static const fw::MenuEntry entries[] = {
        {ID_EXIT, "Ｘ終了"},
        {0, nullptr},
        {ID_NO_PAPER, "壁紙なし"},
        {ID_STOP_GO, "壁紙変更の中断"},
        {ID_PREV, "前の壁紙"},
        {ID_NEXT, "次の壁紙"},
        {ID_FIT_SCREEN, "画面にあわせる／あわせない"},
        {ID_CENTER_TILE, "中央／並べて"},
        {ID_HIDE_FORM, "フォームを隠す／表示する"},
        {0, nullptr},
        {ID_PROPERTIES, "プロパティ..."},
        {0, nullptr},
        {ID_MENU_CANCEL, "キャンセル"},
    };
    fw::AppendMenuEntries(menu.get(), entries, [doc](UINT id) {
        return (id == ID_NO_PAPER && doc->settings.PaperRemoved == 1) ||
               (id == ID_STOP_GO && doc->settings.Change == mov::kChangeNo);
    });
    RECT desk{};
    GetClientRect(GetDesktopWindow(), &desk);
    HWND frame = GetParent(hwnd_);
    // Without the foreground a tray menu stays open when the user clicks elsewhere.
    SetForegroundWindow(frame);
    TrackPopupMenu(menu.get(), 0, desk.right - 20, desk.bottom - 20, 0, hwnd_, nullptr);
    PostMessageA(hwnd_, WM_NULL, 0, 0);
    SetActiveWindow(frame);
}
