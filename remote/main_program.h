// The main program seen from the remote control: looked up afresh on every click.
#pragma once
#include <windows.h>

namespace rc {

// The main window, or nullptr when the main program is not running.
HWND FindMainWindow();
// Sends the command and returns once the main program has handled it; false when it is
// not running.
bool SendCommand(unsigned id);
// ShowWindow on the main window; false when it is not running.
bool ShowMainWindow(int showCmd);
// Starts the main program unless it runs already. On failure a message box owned by
// `owner` says why; returns false then.
bool StartMainProgram(HWND owner);
// The text shown for a WinExec result of 31 or less.
const char* StartFailureText(UINT execResult);

}  // namespace rc
