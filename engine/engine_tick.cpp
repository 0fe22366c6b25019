// The engine's timer tick: the guards that hold changing, the countdown and the change points.
#include "engine/engine.h"
#include "collection/list_boxes.h"
#include "engine/countdown.h"
#include "engine/selection_rules.h"

namespace mov {

// True when this tick must end at once.
bool Engine::Held() {
    const SettingsRecord& s = s_;
    const State& st = st_;
    HWND front = GetForegroundWindow();
    if (!front && st.screenSaverEnabled == 1 && s.Inactive == 1 && st.forced == 0) return true;
    if (front && s.FrontMaxChange == 1) {
        WINDOWPLACEMENT wp{};
        wp.length = sizeof wp;
        if (GetWindowPlacement(front, &wp) && wp.showCmd == SW_SHOWMAXIMIZED) {
            // Also a forced change waits for the window in front.
            events_.MaximizedWindowHolds(true);
            return true;
        }
        events_.MaximizedWindowHolds(false);
    }
    if (FindWindowA("WindowsScreenSaverClass", nullptr) && s.Inactive == 1 && st.forced == 0) return true;
    return s.Change == kChangeNo && st.forced == 0;
}

void Engine::ShowCurrent() {
    State& st = st_;
    Positions& pos = pos_;
    const int files = LbCount(lists_, IDC_FILE_LIST);
    if (files == 0) {
        const EmptyShowPlan e = PlanEmptyShow(pos.DirPos, groups_.size());
        if (e.changeNow) st.countdown = 1;
        ArmTimer(e.period);
        return;
    }
    st.countdown = st.reload;
    LbSelect(lists_, IDC_GROUP_LIST, pos.DirPos);
    if (s_.DelayedAction == 1 && st.delayedStart == 0 && pos.BmpPos <= files - 1) {
        // The saved picture is only selected; the desktop keeps what it has.
        LbSelect(lists_, IDC_FILE_LIST, pos.BmpPos);
        st.delayedStart = 1;
        events_.SavedPictureSelected();
    } else {
        Run();
    }
    ArmTimer(10000);
    st.forced = 0;
}

void Engine::Tick(uintptr_t id) {
    // Ticks that come during it are dropped (the view's rule): they would stack a second box,
    // or change what the first one is using.
    fw::BusyPeriod busy;
    if (Held()) return;
    State& st = st_;
    if (id == st.timerId) {
        const TickPlan t = PlanTick(st.countdown, st.timerPeriod);
        switch (t.kind) {
        case TickPlan::kChange:
            SelectionStep();
            break;
        case TickPlan::kRescanShow:
            scan_.Scan(true, ScanCaller::kTimer);
            WaitForScan();
            ShowCurrent();
            break;
        case TickPlan::kShow:
            ShowCurrent();
            break;
        case TickPlan::kCount:
            if (t.blink) events_.Blinking(t.changingIcon);
            st.countdown = t.countdown;
            if (t.period) ArmTimer(t.period);
            break;
        }
    }
    events_.CountingDown(st_.countdown);
}

}  // namespace mov
