// The view's commands: which id runs what, which of them wait while the engine is busy, and
// the messages that wait. Also the list boxes' double clicks and the tray icon's buttons.
#pragma once
#include <windows.h>
#include <vector>
#include "ui/view_parts.h"

class CommandTable {
public:
    explicit CommandTable(const ViewParts& parts) : p_(parts) {}

    // Runs command `id` (with `execute`) or only says whether the table has it.
    bool Run(UINT id, bool execute);
    // Whether `id` has an action here (before the view is ready too: the menus ask early).
    static bool Handles(UINT id);
    // WM_TRAY_NOTIFY: the shell reports the icon's mouse events with the event in lParam.
    void OnTrayNotify(UINT mouseEvent);
    void OnListDoubleClick(UINT listId);

    // While the engine is busy: keeps the message for `target`, to be posted once when the
    // outermost busy period ends, and returns true. Otherwise false: the caller runs it now.
    // Re-posting at once instead would hand it straight back to a message box's loop,
    // which then never gets to mouse input or timers.
    bool DeferWhileBusy(HWND target, UINT msg, WPARAM wp, LPARAM lp);
    // The engine's busy period ended.
    void PostDeferred();

private:
    struct Entry {
        UINT id;
        bool waits;                      // waits while the engine is busy
        void (*run)(CommandTable& self);  // null: only waits, the frame runs it
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
    std::vector<MSG> deferred_;
};
