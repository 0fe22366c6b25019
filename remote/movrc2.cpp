// MovRC2: the remote control window that drives Movani32 by command ids.
#include <windows.h>

namespace {

LRESULT CALLBACK RemoteProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int showCmd) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = RemoteProc;
    wc.hInstance = inst;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "MovRc2Class";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, wc.lpszClassName, "MovRc2", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                             CW_USEDEFAULT, CW_USEDEFAULT, 200, 80, nullptr, nullptr, inst, nullptr);
    if (!w) return 1;
    ShowWindow(w, showCmd);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return static_cast<int>(m.wParam);
}
