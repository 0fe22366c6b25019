// QuilletDll: the Win32 shell of the smart fits. It asks the system for the screen size,
// the display's colour depth and the desktop colour, and hands the work to the portable
// core. Both entry points return 1 whatever happens; on failure no output is written.
#include <windows.h>

#include <string>

#include "framework/handle.h"
#include "smartfit/smart_fit.h"

namespace {

// The desktop window's rectangle; its right and bottom edges are the screen size.
bool ScreenSize(int* w, int* h) {
    RECT r = {0, 0, 0, 0};
    if (!GetWindowRect(GetDesktopWindow(), &r)) return false;
    *w = r.right;
    *h = r.bottom;
    return true;
}

// The display's own format: 32 bits stays 32, everything else is written with 24.
int DisplayBits() {
    fw::WindowDc dc(nullptr);
    if (!dc) return 24;
    return GetDeviceCaps(dc.get(), BITSPIXEL) == 32 ? 32 : 24;
}

// One smart fit on the screen's size, its paths copied first. Nothing crosses the C
// boundary, and the caller does not look at failures: always 1.
template <class Work>
int Guarded(const char* src, const char* dst, Work work) {
    if (!src || !dst) return 1;
    try {
        int w = 0, h = 0;
        if (ScreenSize(&w, &h)) work(std::string(src), std::string(dst), w, h);
    } catch (...) {
    }
    return 1;
}

}  // namespace

extern "C" {

// Scale-to-fit. The caller pushes a third argument (the position), which is not used.
int __cdecl Quillet(const char* src, const char* dst, int /*position*/) {
    return Guarded(src, dst, [](const std::string& source, const std::string& output, int w, int h) {
        mov::smartfit::RunFit(source.c_str(), output.c_str(), w, h, DisplayBits());
    });
}

// Extend-to-screen-shape on the desktop background colour.
int __cdecl Quillet2(const char* src, const char* dst, int position) {
    return Guarded(src, dst, [position](const std::string& source, const std::string& output, int w, int h) {
        mov::smartfit::RunExtend(source.c_str(), output.c_str(), w, h, position,
                                 mov::BgrFromColorRef(GetSysColor(COLOR_BACKGROUND)));
    });
}

}  // extern "C"
