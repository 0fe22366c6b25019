// The About dialog: OK or the close box ends it; nothing is read or written.
#include "framework/window.h"
#include "ui/about_box.h"
#include "ui/resource.h"

namespace {

INT_PTR CALLBACK AboutProc(HWND dlg, UINT msg, WPARAM wp, LPARAM) {
    switch (msg) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
            EndDialog(dlg, LOWORD(wp));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

}  // namespace

void ShowAboutBox(HWND owner) {
    HINSTANCE inst = fw::InstanceOf(owner);
    DialogBoxParamA(inst, MAKEINTRESOURCEA(IDD_ABOUTBOX), owner, AboutProc, 0);
}
