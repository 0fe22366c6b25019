// Commands, window states and the start of the main program.
#include "remote/main_program.h"

namespace rc {

namespace {
// The main program's window class and file: what binds the two programs besides the
// command ids.
const char kMainClass[] = "MovaniClass";
const char kMainExe[] = "Movani32.exe";
const char kBoxCaption[] = "Movリモコン";
}

HWND FindMainWindow() { return FindWindowA(kMainClass, nullptr); }

bool SendCommand(unsigned id) {
    HWND main = FindMainWindow();
    if (!main) return false;
    SendMessageA(main, WM_COMMAND, static_cast<WPARAM>(id), 0);
    return true;
}

bool ShowMainWindow(int showCmd) {
    HWND main = FindMainWindow();
    if (!main) return false;
    ShowWindow(main, showCmd);
    return true;
}

const char* StartFailureText(UINT execResult) {
    if (execResult == ERROR_FILE_NOT_FOUND)
        return "カレントフォルダ内にMovani32.exeが存在しませんでした。"
               "MovRC.exeとMovani32.exeは同じフォルダ内に置いてください。";
    return "Movani32起動時にエラーが発生しました。起動できません。";
}

bool StartMainProgram(HWND owner) {
    if (FindMainWindow()) return true;
    // The main program decides its own first showing.
    UINT result = WinExec(kMainExe, SW_HIDE);
    if (result > 31) return true;
    MessageBoxA(owner, StartFailureText(result), kBoxCaption, MB_ICONEXCLAMATION | MB_OK);
    return false;
}

}  // namespace rc
