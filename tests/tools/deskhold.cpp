// deskhold.dll: while its hook is set, the desktop window's thread takes no WM_PAINT from its
// queue; messages sent to the desktop (a repaint forced from outside among them) still reach
// it. It stands for a desktop that a loaded machine keeps from painting for a while.
#include <windows.h>

namespace {

HINSTANCE g_self;
HHOOK g_hook;

LRESULT CALLBACK HoldPaint(int code, WPARAM removing, LPARAM lp) {
    auto* m = reinterpret_cast<MSG*>(lp);
    if (code == HC_ACTION && removing == PM_REMOVE && m->message == WM_PAINT && m->hwnd == GetDesktopWindow()) {
        m->message = WM_NULL;
        Sleep(5);  // the paint stays due and comes straight back: don't spin on it
    }
    return CallNextHookEx(g_hook, code, removing, lp);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) g_self = self;
    return TRUE;
}

// Sets (true) or clears (false) the hold on the desktop's thread; false when that fails.
extern "C" __declspec(dllexport) bool HoldDesktopPaint(bool hold) {
    if (!hold) {
        bool ok = g_hook && UnhookWindowsHookEx(g_hook);
        g_hook = nullptr;
        return ok;
    }
    DWORD thread = GetWindowThreadProcessId(GetDesktopWindow(), nullptr);
    if (!thread || g_hook) return false;
    g_hook = SetWindowsHookExA(WH_GETMESSAGE, HoldPaint, g_self, thread);
    return g_hook != nullptr;
}
