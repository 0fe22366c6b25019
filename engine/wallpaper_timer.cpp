// The tick of the one window timer.
#include "engine/wallpaper_timer.h"
#include "collection/list_boxes.h"
#include "engine/countdown.h"
#include "engine/selection_rules.h"
#include "framework/window.h"

namespace mov {
namespace {

constexpr unsigned kChangingIcon = 140;
constexpr unsigned kMaximizedIcon = 141;

}  // namespace

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
            if (p_.host.MaximizedPause() == 0) {
                p_.host.ShowTrayIcon(kMaximizedIcon);
                p_.host.SetMaximizedPause(1);
            }
            return true;
        }
        if (p_.host.MaximizedPause() == 1) {
            p_.host.ShowTrayIcon(p_.host.StateTrayIcon());
            p_.host.SetMaximizedPause(0);
        }
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
        p_.host.ShowTitle("[Delay]");
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
            if (t.blink) {
                p_.host.ShowTrayIcon(t.changingIcon ? kChangingIcon : p_.host.StateTrayIcon());
                FlashWindow(fw::RootWindow(p_.lists), TRUE);
            }
            st.countdown = t.countdown;
            if (t.period) cycle_.ArmTimer(t.period);
            break;
        }
    }
    RefreshCountdown();
}

void WallpaperTimer::RefreshCountdown() { p_.host.ShowCountdown(CountdownText(p_.state.countdown)); }

}  // namespace mov
