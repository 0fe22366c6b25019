// The command table and the commands that are the view's own (menus, boxes, the manual).
#include "ui/command_table.h"
#include <shellapi.h>
#include <string>
#include "collection/list_boxes.h"
#include "engine/engine.h"
#include "framework/handle.h"
#include "framework/menu_entries.h"
#include "framework/window.h"
#include "settings/settings_codes.h"
#include "ui/about_box.h"
#include "ui/command_rules.h"
#include "ui/movani32_doc.h"
#include "ui/property_command.h"
#include "ui/resource.h"

// A command sent while a change waits on another process, or a message box runs inside
// that wait, runs after it: the end of the change would overwrite what the command set.
// The frame's closing and renewal commands wait by the frame's own rule.
const CommandTable::Entry CommandTable::kEntries[] = {
    {ID_NO_PAPER, true, [](CommandTable& c) { c.p_.engine->TogglePaper(); }},
    {ID_STOP_GO, true, [](CommandTable& c) { c.p_.engine->StopGo(); }},
    {ID_NEXT, true, [](CommandTable& c) { c.p_.engine->Next(); }},
    {ID_PREV, true, [](CommandTable& c) { c.p_.engine->Previous(); }},
    {ID_DELETE_GROUP, true, [](CommandTable& c) { c.DeleteGroup(); }},
    {ID_CENTER_TILE, true, [](CommandTable& c) { c.p_.engine->ToggleCenterTile(); }},
    {ID_REDISPLAY, true, [](CommandTable& c) { c.p_.engine->Redisplay(); }},
    {ID_FIT_SCREEN, true, [](CommandTable& c) { c.p_.engine->ToggleFit(); }},
    {ID_STOP, true, [](CommandTable& c) { c.p_.engine->Stop(); }},
    {ID_GO, true, [](CommandTable& c) { c.p_.engine->Go(); }},
    {ID_REDISPLAY2, true, [](CommandTable& c) { c.p_.engine->Redisplay(); }},
    {ID_ABOUT, true, [](CommandTable& c) { ShowAboutBox(c.Frame()); }},
    // The sheet's closing steps run a change cycle of their own.
    {ID_PROPERTIES, true, [](CommandTable& c) { RunPropertySheet(c.p_); }},
    {ID_HELP_FILE, false, [](CommandTable& c) { c.OpenManual(); }},
    {ID_HIDE_FORM, false, [](CommandTable& c) { c.HideForm(); }},
    {ID_EXIT, false, [](CommandTable& c) { SendMessageA(c.Frame(), WM_COMMAND, ID_APP_EXIT, 0); }},
    {ID_LEFT_CLICK, true, [](CommandTable& c) { c.RunTrayButton(true); }},
    {ID_RIGHT_CLICK, true, [](CommandTable& c) { c.RunTrayButton(false); }},
};

bool CommandTable::Run(UINT id, bool execute) {
    for (const Entry& e : kEntries) {
        if (e.id != id) continue;
        if (execute) e.run(*this);
        return true;
    }
    return false;  // ID_MENU_CANCEL among them: choosing it only closes the menu
}

bool CommandTable::Handles(UINT id) {
    for (const Entry& e : kEntries)
        if (e.id == id) return true;
    return false;
}

fw::WhileBusy CommandTable::WhileBusyFor(UINT id) {
    for (const Entry& e : kEntries)
        if (e.id == id) return e.waits ? fw::WhileBusy::kWait : fw::WhileBusy::kRun;
    return fw::WhileBusy::kRun;
}

fw::WhileBusy CommandTable::TrayWhileBusy(UINT mouseEvent) {
    switch (mouseEvent) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return fw::WhileBusy::kWait;
    default:
        return fw::WhileBusy::kDrop;
    }
}

// Through the view's window, so whatever routes its commands sees this one too.
void CommandTable::Send(UINT id) { SendMessageA(p_.view, WM_COMMAND, id, 0); }

HWND CommandTable::Frame() const { return GetParent(p_.view); }

void CommandTable::DeleteGroup() {
    const mov::GroupList& groups = p_.doc->groups;
    const int index = mov::LbSelection(p_.view, IDC_GROUP_LIST);
    if (mov::LbCount(p_.view, IDC_GROUP_LIST) <= 0 || index < 0 || index >= groups.size()) return;
    const std::string question = mov::DeleteGroupQuestion(groups.at(index).path);
    if (fw::ShowMessageBox(Frame(), question.c_str(), mov::kDeleteGroupCaption, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    p_.engine->DeleteGroup(index);
}

void CommandTable::OnListDoubleClick(UINT listId) {
    if (mov::LbCount(p_.view, static_cast<int>(listId)) <= 0) return;
    if (listId == IDC_GROUP_LIST)
        p_.engine->ShowSelectedGroup();
    else
        p_.engine->ShowFile(mov::LbSelection(p_.view, IDC_FILE_LIST));
}

void CommandTable::OnTrayNotify(UINT mouseEvent) {
    switch (mouseEvent) {
    case WM_LBUTTONDOWN:
        RunTrayButton(true);
        SetActiveWindow(p_.view);
        break;
    case WM_RBUTTONDOWN:
        Send(ID_RIGHT_CLICK);
        break;
    case WM_MBUTTONDOWN:
        Send(ID_PROPERTIES);
        break;
    default:
        break;
    }
}

void CommandTable::RunTrayButton(bool left) {
    const unsigned command = mov::TrayButtonCommand(p_.doc->settings.WrightButton, left);
    if (command == mov::kTrayMenu)
        ShowTrayMenu();
    else if (command != 0)
        Send(command);
}

// Anchored near the desktop's bottom-right corner, wherever the icon and the mouse are.
void CommandTable::ShowTrayMenu() {
    const mov::SettingsRecord& s = p_.doc->settings;
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
    fw::AppendMenuEntries(menu.get(), entries, [&s](UINT id) {
        return (id == ID_NO_PAPER && s.PaperRemoved == 1) || (id == ID_STOP_GO && s.Change == mov::kChangeNo);
    });
    RECT desk{};
    GetClientRect(GetDesktopWindow(), &desk);
    HWND frame = Frame();
    // Without the foreground a tray menu stays open when the user clicks elsewhere.
    SetForegroundWindow(frame);
    fw::BusyPeriod busy;  // the menu's own loop
    TrackPopupMenu(menu.get(), 0, desk.right - 20, desk.bottom - 20, 0, p_.view, nullptr);
    PostMessageA(p_.view, WM_NULL, 0, 0);
    SetActiveWindow(frame);
}

// No help file belongs to the program: its manual is an HTML page beside it.
void CommandTable::OpenManual() {
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path) return;
    std::string manual(path, n);
    size_t slash = manual.find_last_of('\\');
    manual = (slash == std::string::npos ? std::string() : manual.substr(0, slash + 1)) + "Movani32.html";
    fw::BusyPeriod busy;  // the shell may wait on the browser it starts
    ShellExecuteA(Frame(), "open", manual.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CommandTable::HideForm() {
    if (HWND frame = Frame()) ShowWindow(frame, IsWindowVisible(p_.view) ? SW_HIDE : SW_SHOW);
}
