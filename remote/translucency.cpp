// Layered-window alpha, looked up at run time: older systems have no such function.
#include "remote/translucency.h"
#include "framework/handle.h"

namespace rc {

bool ApplyAlpha(HWND w, SetLayeredFn setLayered) {
    LONG ex = GetWindowLongA(w, GWL_EXSTYLE);
    SetWindowLongA(w, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    if (setLayered(w, 0, kAlpha, LWA_ALPHA)) return true;
    SetWindowLongA(w, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
    return false;
}

bool MakeTranslucent(HWND w) {
    OSVERSIONINFOA vi{};
    vi.dwOSVersionInfoSize = sizeof vi;
    if (!GetVersionExA(&vi) || vi.dwMajorVersion < 5) return false;
    fw::Module user32(LoadLibraryA("USER32.DLL"));
    if (!user32) return false;
    FARPROC proc = GetProcAddress(user32.get(), "SetLayeredWindowAttributes");
    if (!proc) return false;
    return ApplyAlpha(w, reinterpret_cast<SetLayeredFn>(reinterpret_cast<void (*)()>(proc)));
}

}  // namespace rc
