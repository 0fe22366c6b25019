// Fonts and labels of the remote control's forms.
#include "remote/form_font.h"
#include "framework/handle.h"
#include "framework/window.h"
#include <cstring>

namespace rc {

HFONT MakeFormFont(int pixels) {
    LOGFONTA lf{};
    lf.lfHeight = -pixels;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    std::strcpy(lf.lfFaceName, "ＭＳ Ｐゴシック");
    return CreateFontIndirectA(&lf);
}

HWND MakeLabel(HWND parent, const char* text, int x, int y, HFONT font, int maxWidth) {
    RECT r{0, 0, maxWidth > 0 ? maxWidth : 10000, 0};
    if (fw::WindowDc dc{parent}) {
        fw::SelectGuard keep(dc.get(), font);
        DrawTextA(dc.get(), text, -1, &r, DT_CALCRECT | DT_NOPREFIX | (maxWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    }
    return fw::MakeControl(parent, "STATIC", text, SS_LEFT | SS_NOPREFIX, -1, x, y, r.right, r.bottom, font);
}

}  // namespace rc
