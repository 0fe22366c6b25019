// The busy handshake with outside programs: flag set, program started, flag polled.
#include "settings/busy_handshake.h"
#include <windows.h>
#include "framework/busy_period.h"
#include "settings/busy_flag.h"
#include "settings/clock.h"

namespace mov {

HandshakeResult RunOutsideProgram(const std::string& commandLine, int readTimeOut) {
    HandshakeResult r;
    fw::BusyPeriod busy;
    SetBusyFlag(1);
    r.execResult = WinExec(commandLine.c_str(), SW_HIDE);
    if (r.execResult <= 31) return r;  // not started: waiting would only freeze the window
    Clock& clock = TheClock();
    clock.Sleep(1000);
    for (int i = 0; i < readTimeOut; ++i) {
        ++r.polls;
        if (BusyFlagCleared()) {
            r.cleared = true;
            break;
        }
        clock.Sleep(1000);
    }
    return r;
}

}  // namespace mov
