// The remote control window is drawn 192/255 opaque where the platform has layered windows.
#pragma once
#include <windows.h>

namespace rc {

constexpr BYTE kAlpha = 192;
using SetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// Makes `w` translucent on major version 5 or later when USER32 has the function; otherwise
// leaves it opaque. Returns whether the window is now layered.
bool MakeTranslucent(HWND w);
// Adds the layered style and sets the alpha through `setLayered`. When that fails the style
// is taken off again: a layered window without attributes is never drawn.
bool ApplyAlpha(HWND w, SetLayeredFn setLayered);

}  // namespace rc
