// Countdown arithmetic.
#include "engine/countdown.h"
#include <climits>
#include <cstdio>

namespace mov {

TickPlan PlanTick(int n, unsigned period) {
    TickPlan t;
    if (n == 1) {
        t.kind = TickPlan::kChange;
        return t;
    }
    if (n == -1) {
        t.kind = TickPlan::kRescanShow;
        return t;
    }
    if (n == -2) {
        t.kind = TickPlan::kShow;
        return t;
    }
    t.countdown = n - 1;
    if (n >= 2 && n <= 7) {
        t.blink = true;
        t.changingIcon = (n % 2) == 1;
    }
    if (n >= 2 && n <= 11 && period != 1000) t.period = 1000;
    return t;
}

EmptyShowPlan PlanEmptyShow(int dirPos, int groups) {
    EmptyShowPlan p;
    if (dirPos < groups - 1) {
        p.changeNow = true;
        p.period = 100;
    }
    return p;
}

long long RemainingSeconds(int n) { return n <= 10 ? n : static_cast<long long>(n) * 10 - 90; }

std::string CountdownText(int n) {
    char text[32];
    std::snprintf(text, sizeof text, "%4lld sec.", RemainingSeconds(n));
    return text;
}

int ReloadValue(int interval) {
    const long long v = static_cast<long long>(interval) * 6 + 9;
    return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
}

}  // namespace mov
