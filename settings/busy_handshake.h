// Starting an outside program and waiting until it clears the busy flag (busy_flag.h).
#pragma once
#include <string>

namespace mov {

struct HandshakeResult {
    unsigned execResult = 0;  // what WinExec returned; 31 or less: nothing was started
    int polls = 0;            // times the flag was read
    bool cleared = false;     // the program set the flag to 0 within the time
};

// Writes LhaArchiveing = 1, starts `commandLine` hidden, waits one second, then reads the
// flag up to `readTimeOut` times a second apart until it is 0. When the program could not
// be started there is nothing to wait for, so no wait at all. Waits go through TheClock().
HandshakeResult RunOutsideProgram(const std::string& commandLine, int readTimeOut);

}  // namespace mov
