// The busy handshake with outside programs through HKCU\...\Group\LhaArchiveing.
#include "settings/busy_handshake.h"
#include <windows.h>
#include "framework/reg_key.h"
#include "settings/clock.h"
#include "settings/registry_paths.h"

namespace mov {

void SetBusyFlag(unsigned value) {
    fw::RegKey k;
    if (k.Create(HKEY_CURRENT_USER, kGroupKey) == ERROR_SUCCESS) k.SetDword(kBusyValue, value);
}

bool BusyFlagCleared() {
    fw::RegKey k;
    if (k.Create(HKEY_CURRENT_USER, kGroupKey) != ERROR_SUCCESS) return false;
    int32_t v = 1;
    DWORD type = 0, size = 0;
    if (k.QueryInfo(kBusyValue, type, size) != ERROR_SUCCESS || size != 4) return false;
    if (k.QueryDword(kBusyValue, v) != ERROR_SUCCESS) return false;
    return v == 0;
}

HandshakeResult RunOutsideProgram(const std::string& commandLine, int readTimeOut) {
    HandshakeResult r;
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
