// The countdown's state machine and its display, without the timer itself.
#pragma once
#include <string>

namespace mov {

// What one tick does with the counter n (after the guards let it through).
struct TickPlan {
    enum Kind { kCount, kChange, kRescanShow, kShow } kind = kCount;
    int countdown = 0;        // the counter afterwards (kCount only; the others set it later)
    unsigned period = 0;      // re-arm with this period, 0 to leave the timer alone
    bool blink = false;       // flash the main window and blink the tray icon
    bool changingIcon = false;  // the blink shows the "changing" image (odd n), else the state's
};
TickPlan PlanTick(int n, unsigned period);

// Showing the current position found an empty file list: the next group is taken within
// 100 ms while there is one, otherwise the counter waits with 10 s ticks.
struct EmptyShowPlan {
    bool changeNow = false;  // counter 1
    unsigned period = 10000;
};
EmptyShowPlan PlanEmptyShow(int dirPos, int groups);

// Seconds left for counter n: n up to 10, else n * 10 - 90.
long long RemainingSeconds(int n);
// "%4d sec." of the seconds left.
std::string CountdownText(int n);

// Interval minutes as ticks: Interval * 6 + 9, held at the largest counter for huge values.
int ReloadValue(int interval);

}  // namespace mov
