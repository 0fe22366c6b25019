// The smallest windowed program: one empty window and its message loop, the yardstick for
// the idle memory and CPU of the main program.
#include <windows.h>

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int show) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = inst;
    wc.lpszClassName = "MovBenchEmpty";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, "MovBenchEmpty", "empty", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr, inst,
                             nullptr);
    (void)show;
    ShowWindow(w, SW_SHOWMINIMIZED);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return 0;
}
