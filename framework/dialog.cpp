// Message dispatch from the dialog procedure to Dialog objects.
#include "framework/dialog.h"
#include "framework/busy_period.h"

namespace fw {

INT_PTR Dialog::DoModal(HINSTANCE inst, UINT templateId, HWND owner) {
    BusyPeriod busy;
    return DialogBoxParamA(inst, MAKEINTRESOURCEA(templateId), owner, &Dialog::StaticProc,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK Dialog::StaticProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    return Dispatch(w, msg, wp, lp, msg == WM_INITDIALOG ? reinterpret_cast<Dialog*>(lp) : nullptr);
}

INT_PTR Dialog::Dispatch(HWND w, UINT msg, WPARAM wp, LPARAM lp, Dialog* self) {
    if (self) {
        self->hwnd_ = w;
        SetWindowLongPtrA(w, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(w, DWLP_USER));
    }
    // Messages before WM_INITDIALOG (the font) find no object yet.
    if (!self) return FALSE;
    INT_PTR r = self->DialogProc(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(w, DWLP_USER, 0);
        self->hwnd_ = nullptr;
    }
    return r;
}

}  // namespace fw
