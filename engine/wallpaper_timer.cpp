// The tick of the one window timer.
#include "engine/wallpaper_timer.h"
#include "collection/list_boxes.h"
#include "engine/countdown.h"
#include "engine/selection_rules.h"

namespace mov {
// True when this tick must end at once.
bool WallpaperTimer::Held() {
    const SettingsRecord& s = p_.settings;
    const EngineState& st = p_.state;
    HWND front = GetForegroundWindow();
    if (!front && st.screenSaverEnabled == 1 && s.Inactive == 1 && st.forced == 0) return true;
    if (front && s.FrontMaxChange == 1) {
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        if (GetWindowPlacement(front, &wp) && wp.showCmd == SW_SHOWMAXIMIZED) {
            // Also a forced change waits for the window in front.
            p_.events.MaximizedWindowHolds(true);
            return true;
        }
        p_.events.MaximizedWindowHolds(false);
    }
    if (FindWindowA("WindowsScreenSaverClass", nullptr) && s.Inactive == 1 && st.forced == 0) return true;
    return s.Change == kChangeNo && st.forced == 0;
}

void WallpaperTimer::ShowCurrent() {
    EngineState& st = p_.state;
    Positions& pos = p_.positions;
    const int files = LbCount(p_.lists, IDC_FILE_LIST);
    if (files == 0) {
        const EmptyShowPlan e = PlanEmptyShow(pos.DirPos, p_.groups.size());
        if (e.changeNow) st.countdown = 1;
        cycle_.ArmTimer(e.period);
        return;
    }
    st.countdown = st.reload;
    LbSelect(p_.lists, IDC_GROUP_LIST, pos.DirPos);
    if (p_.settings.DelayedAction == 1 && st.delayedStart == 0 && pos.BmpPos <= files - 1) {
        // The saved picture is only selected; the desktop keeps what it has.
        LbSelect(p_.lists, IDC_FILE_LIST, pos.BmpPos);
        st.delayedStart = 1;
        p_.events.SavedPictureSelected();
    } else {
        cycle_.Run();
    }
    cycle_.ArmTimer(10000);
    st.forced = 0;
}

void WallpaperTimer::Tick(uintptr_t id) {
    // A tick that comes while another one (or a change, or a drop) waits in a message box
    // does nothing: it would stack a second box, or change what the first one is using.
    if (cycle_.Busy()) return;
    ChangeCycle::BusyScope busy(cycle_);
    if (Held()) return;
    EngineState& st = p_.state;
    if (id == st.timerId) {
        const TickPlan t = PlanTick(st.countdown, st.timerPeriod);
        switch (t.kind) {
        case TickPlan::kChange:
            cycle_.SelectionStep();
            break;
        case TickPlan::kRescanShow:
            p_.scan.Scan(1);
            cycle_.WaitForScan();
            ShowCurrent();
            break;
        case TickPlan::kShow:
            ShowCurrent();
            break;
        case TickPlan::kCount:
            if (t.blink) p_.events.Blinking(t.changingIcon);
            st.countdown = t.countdown;
            if (t.period) cycle_.ArmTimer(t.period);
            break;
        }
    }
    RefreshCountdown();
}

void WallpaperTimer::RefreshCountdown() { p_.events.CountingDown(p_.state.countdown); }

}  // namespace mov
