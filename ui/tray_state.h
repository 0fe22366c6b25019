// Which tray image tells the current state, and what one tray update does with the shell.
#pragma once

namespace mov {

// The shell's operations on a notification-area icon (same values as NIM_ADD/MODIFY/DELETE).
enum TrayOp : unsigned { kTrayAdd = 0, kTrayModify = 1, kTrayDelete = 2 };

// The icon for the current state: stopped when Change is kChangeNo, otherwise the image of the
// tray buttons' pair of actions; kButtonHide and unknown values show the application icon.
int TrayIconForState(int change, int wrightButton);

// One tray update: whether the shell is called at all and with which operation.
struct TrayStep {
    bool callShell;
    TrayOp op;
};

// `shown` is the IconOn value last applied (1 = the icon is in the notification area).
// An icon that should come or go because IconOn changed is added or deleted whatever was asked.
TrayStep PlanTrayUpdate(int shown, int iconOn, TrayOp requested);

}  // namespace mov
