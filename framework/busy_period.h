// Busy periods. Code that waits in a message loop it does not own (a message box, a modal
// dialog or the property sheet, a menu, another process, a broadcast, the shell) lets other
// messages in meanwhile; one that acts on what the waiting code is using must not run there.
// Every such call opens a busy period. While one is open, the gate in Wnd's window procedure
// holds what a window says waits (Wnd::WhileBusy) and drops what it says is stale; held
// messages run in their order of arrival once the outermost busy period has ended.
#pragma once
#include <windows.h>
#include <cstddef>

namespace fw {

enum class WhileBusy {
    kRun,   // runs at once, busy or not
    kWait,  // held until the busy period is over, then run in order
    kDrop,  // ignored while busy (a tick, a mouse move)
};

class BusyPeriod {
public:
    BusyPeriod();
    ~BusyPeriod();  // the outermost one asks for what waits to be run
    BusyPeriod(const BusyPeriod&) = delete;
    BusyPeriod& operator=(const BusyPeriod&) = delete;

    static bool Active();
    // The gate: true when the message was held or dropped, false when it is to run now.
    // A message that waits also waits behind held ones that have not run yet, so a command
    // sent just after a busy period cannot overtake one held during it.
    static bool Gate(HWND w, UINT msg, WPARAM wp, LPARAM lp, WhileBusy rule);
    // Holds a message as the gate would (a close that a session's end leaves for later).
    static void Hold(HWND w, UINT msg, WPARAM wp, LPARAM lp);
    // Runs the held messages in order while no busy period is open. The message posted at the
    // end of a busy period calls it.
    static void RunWaiting();
    // Window `w` is going: what waits for it is let go, a drop finished.
    static void Forget(HWND w);
    static std::size_t Waiting();
    // Posted to a holding window when its turn comes.
    static UINT WakeMessage();
};

// MessageBoxA inside a busy period.
int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT type);

}  // namespace fw
