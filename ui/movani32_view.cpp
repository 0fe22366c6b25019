// Set-up, tray icon and command handling of the view.
#include "ui/movani32_view.h"
#include <shellapi.h>
#include "ui/movani32_doc.h"
#include "ui/resource.h"
#include "ui/tray_state.h"

CMovani32Doc* CMovani32View::GetDocument() const {
    return static_cast<CMovani32Doc*>(fw::CView::GetDocument());
}

void CMovani32View::OnInitialUpdate() {
    CMovani32Doc* doc = GetDocument();
    if (!doc) return;
    tray_.Attach(hwnd_, reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd_, GWLP_HINSTANCE)));
    // A renewed document runs this again: the icon already there is brought up to date.
    DWORD op = NIM_MODIFY;
    if (!trayReady_) {
        tray_.SetShown(doc->settings.IconOn);
        trayReady_ = true;
        op = NIM_ADD;
    }
    SetTrayIcon(CurrentTrayIcon(), op);
}

BOOL CMovani32View::SetTrayIcon(UINT iconId, DWORD op) {
    CMovani32Doc* doc = GetDocument();
    return tray_.Set(iconId, op, doc ? doc->settings.IconOn : 0);
}

UINT CMovani32View::CurrentTrayIcon() const {
    const CMovani32Doc* doc = GetDocument();
    if (!doc) return IDR_MAINFRAME;
    return static_cast<UINT>(mov::TrayIconForState(doc->settings.Change, doc->settings.WrightButton));
}

void CMovani32View::PaperRemovedChanged(bool removed) {
    if (HWND button = GetDlgItem(hwnd_, ID_NO_PAPER)) SetWindowTextA(button, removed ? "Retern Paper" : "No Paper");
    HWND frame = GetParent(hwnd_);
    if (HMENU menu = frame ? GetSystemMenu(frame, FALSE) : nullptr)
        ModifyMenuA(menu, ID_NO_PAPER, MF_BYCOMMAND | MF_STRING | (removed ? MF_CHECKED : MF_UNCHECKED), ID_NO_PAPER,
                    "壁紙なし");
}

LRESULT CMovani32View::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) SetTrayIcon(IDR_MAINFRAME, NIM_DELETE);
    return fw::CView::WindowProc(msg, wp, lp);
}

bool CMovani32View::OnCmdMsg(UINT id, bool execute) {
    (void)id;
    (void)execute;
    return false;
}
