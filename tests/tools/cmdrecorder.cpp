// cmdrecorder FILE: a stand-in receiver for command ids the main program does not act on
// yet. It opens a hidden top-level window of class "MovaniClass" and appends the id of
// every WM_COMMAND it receives to FILE, one a line, before the sender's call returns.
// 57665 is recorded too and ends it, as it ends the main program.
#include <windows.h>
#include <cstdio>

namespace {

HANDLE gFile = INVALID_HANDLE_VALUE;

LRESULT CALLBACK RecorderProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND) {
        char line[32];
        int n = std::snprintf(line, sizeof line, "%u\r\n", static_cast<unsigned>(LOWORD(wp)));
        DWORD written = 0;
        WriteFile(gFile, line, static_cast<DWORD>(n), &written, nullptr);
        FlushFileBuffers(gFile);
        if (LOWORD(wp) == 57665) DestroyWindow(w);
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    gFile = CreateFileA(argv[1], FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (gFile == INVALID_HANDLE_VALUE) return 1;
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecorderProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "MovaniClass";
    if (!RegisterClassA(&wc)) return 1;
    if (!CreateWindowExA(0, wc.lpszClassName, "cmdrecorder", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                         wc.hInstance, nullptr))
        return 1;
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
    CloseHandle(gFile);
    return 0;
}
