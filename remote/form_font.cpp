// Fonts and labels of the remote control's forms.
#include "remote/form_font.h"
#include "framework/handle.h"
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

HWND MakeControl(HWND parent, const char* cls, const char* text, DWORD style, int id,
                 int x, int y, int cx, int cy, HFONT font) {
    HINSTANCE inst = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    HWND w = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), inst, nullptr);
    if (w && font) SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return w;
}

HWND MakeLabel(HWND parent, const char* text, int x, int y, HFONT font, int maxWidth) {
    RECT r{0, 0, maxWidth > 0 ? maxWidth : 10000, 0};
    if (fw::WindowDc dc{parent}) {
        fw::SelectGuard keep(dc.get(), font);
        DrawTextA(dc.get(), text, -1, &r, DT_CALCRECT | DT_NOPREFIX | (maxWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    }
    return MakeControl(parent, "STATIC", text, SS_LEFT | SS_NOPREFIX, -1, x, y, r.right, r.bottom, font);
}

}  // namespace rc
