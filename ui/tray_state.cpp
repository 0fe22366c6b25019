// Tray image for the current state and the plan of one tray update.
#include "ui/tray_state.h"
#include "ui/resource.h"

namespace mov {

int TrayIconForState(int change, int wrightButton) {
    if (change == 3) return IDI_TRAY_STOPPED;
    switch (wrightButton) {
    case 0: return IDI_TRAY_REMOVE;
    case 1: return IDI_TRAY_NEXT;
    case 2: return IDI_TRAY_PREV;
    case 3: return IDI_TRAY_INACT;
    case 4: return IDI_TRAY_TILE;
    default: return IDR_MAINFRAME;
    }
}

TrayStep PlanTrayUpdate(int shown, int iconOn, TrayOp requested) {
    if (shown != 1 && iconOn != 1) return {false, requested};
    if (shown == 1 && iconOn != 1) return {true, kTrayDelete};
    if (shown != 1 && iconOn == 1) return {true, kTrayAdd};
    return {true, requested};
}

}  // namespace mov
