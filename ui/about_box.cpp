// The About dialog: OK or the close box ends it; nothing is read or written.
#include "ui/about_box.h"
#include "framework/dialog.h"
#include "framework/window.h"
#include "ui/resource.h"

namespace {

class CAboutDlg : public fw::Dialog {
protected:
    INT_PTR DialogProc(UINT msg, WPARAM wp, LPARAM) override {
        switch (msg) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wp) != IDOK && LOWORD(wp) != IDCANCEL) return FALSE;
            EndDialog(hwnd_, LOWORD(wp));
            return TRUE;
        default:
            return FALSE;
        }
    }
};

}  // namespace

void ShowAboutBox(HWND owner) {
    CAboutDlg about;
    about.DoModal(fw::InstanceOf(owner), IDD_ABOUTBOX, owner);
}
