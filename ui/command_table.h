// The view's commands: which id runs what and which of them wait for a busy period to end.
// Also the list boxes' double clicks and the tray icon's buttons.
#pragma once
#include <windows.h>
#include "framework/busy_period.h"
#include "ui/view_parts.h"

class CommandTable {
public:
    explicit CommandTable(const ViewParts& parts) : p_(parts) {}

    // Runs command `id` (with `execute`) or only says whether the table has it.
    bool Run(UINT id, bool execute);
    // Whether `id` has an action here (before the view is ready too: the menus ask early).
    static bool Handles(UINT id);
    // What command `id` does during a busy period: the table's own commands wait.
    static fw::WhileBusy WhileBusyFor(UINT id);
    // What the tray's mouse event `mouseEvent` does during a busy period: the buttons wait,
    // the moves are stale by the time it ends.
    static fw::WhileBusy TrayWhileBusy(UINT mouseEvent);
    // WM_TRAY_NOTIFY: the shell reports the icon's mouse events with the event in lParam.
    void OnTrayNotify(UINT mouseEvent);
    void OnListDoubleClick(UINT listId);

private:
    struct Entry {
        UINT id;
        bool waits;                      // waits for a busy period to end
        void (*run)(CommandTable& self);
    };
    static const Entry kEntries[];

    void Send(UINT id);
    void DeleteGroup();
    void RunTrayButton(bool left);
    void ShowTrayMenu();
    void OpenManual();
    void HideForm();
    HWND Frame() const;

    ViewParts p_;
};
