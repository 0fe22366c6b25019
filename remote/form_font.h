// The forms' font and their self-sizing labels.
#pragma once
#include <windows.h>

namespace rc {

// "ＭＳ Ｐゴシック" in the Japanese character set, characters `pixels` high.
HFONT MakeFormFont(int pixels);
// A static text at (x, y), sized to its text in `font`; lines break at `maxWidth` when given.
HWND MakeLabel(HWND parent, const char* text, int x, int y, HFONT font, int maxWidth = 0);

}  // namespace rc
