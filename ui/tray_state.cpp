// Tray image for the current state and the plan of one tray update.
#include "ui/tray_state.h"
#include "settings/settings_codes.h"
#include "ui/resource.h"

namespace mov {

int TrayIconForState(int change, int wrightButton) {
    if (change == kChangeNo) return IDI_TRAY_STOPPED;
    switch (wrightButton) {
    case kButtonNo: return IDI_TRAY_REMOVE;
    case kButtonNext: return IDI_TRAY_NEXT;
    case kButtonPrev: return IDI_TRAY_PREV;
    case kButtonInact: return IDI_TRAY_INACT;
    case kButtonTile: return IDI_TRAY_TILE;
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
