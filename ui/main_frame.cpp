// Main window class registration, first activation and the window-procedure hook.
#include "ui/main_frame.h"
#include "collection/drop_registration.h"
#include "ui/movani32_doc.h"
#include "framework/menu_entries.h"
#include "framework/view.h"
#include "ui/movani32_view.h"
#include "ui/resource.h"

const char kMovaniClass[] = "MovaniClass";

namespace {

bool ForwardedSysCommand(WPARAM id) {
    switch (id) {
    case ID_PROPERTIES:
    case ID_NO_PAPER:
    case ID_STOP_GO:
    case ID_NEXT:
    case ID_PREV:
    case ID_CENTER_TILE:
    case ID_FIT_SCREEN:
    case ID_HIDE_FORM:
        return true;
    default:
        return false;
    }
}

}  // namespace

bool CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
    bool ok = fw::CFrameWnd::PreCreateWindow(cs);
    WNDCLASSA wc{};
    if (!GetClassInfoA(inst_, kMovaniClass, &wc) && GetClassInfoA(inst_, cs.lpszClass, &wc)) {
        // A copy of the framework's class under our own name, with our icon.
        wc.lpszClassName = kMovaniClass;
        wc.hIcon = LoadIconA(inst_, MAKEINTRESOURCEA(IDR_MAINFRAME));
        RegisterClassA(&wc);
    }
    cs.lpszClass = kMovaniClass;
    cs.cx = kWidth;
    cs.cy = kHeight;
    return ok;
}

void CMainFrame::AppendSystemMenuEntries() {
    HMENU sys = GetSystemMenu(hwnd_, FALSE);
    if (!sys) return;
    static const fw::MenuEntry entries[] = {
        {0, nullptr},
        {ID_NO_PAPER, "壁紙なし"},
        {ID_STOP_GO, "壁紙変更の中断／再開"},
        {ID_PREV, "前の壁紙"},
        {ID_NEXT, "次の壁紙"},
        {ID_FIT_SCREEN, "画面にあわせる／あわせない"},
        {ID_CENTER_TILE, "中央／並べて"},
        {ID_HIDE_FORM, "フォームを隠す／表示する"},
        {0, nullptr},
        {ID_PROPERTIES, "ﾌﾟﾛﾊﾟﾃｨ..."},
    };
    fw::AppendMenuEntries(sys, entries);
}

void CMainFrame::ActivateFrame(int nCmdShow) {
    if (!activated_) {
        activated_ = true;
        AppendSystemMenuEntries();
        nCmdShow = SW_MINIMIZE;
    }
    fw::CFrameWnd::ActivateFrame(nCmdShow);
}

fw::WhileBusy CMainFrame::WhileBusyRule(UINT msg, WPARAM wp, LPARAM lp) {
    return msg == WM_DROPFILES ? fw::WhileBusy::kWait : fw::CFrameWnd::WhileBusyRule(msg, wp, lp);
}

// A drop appends to the groups and saves them, and its refusal boxes let other messages in:
// it waits for a change under way, and a close or a change waits for it.
void CMainFrame::OnDropFiles(HDROP drop) {
    auto* doc = static_cast<CMovani32Doc*>(GetActiveDocument());
    if (!doc) {
        DragFinish(drop);
        return;
    }
    fw::BusyPeriod busy;
    mov::RegisterDroppedFiles(drop, hwnd_, doc->groups, doc->positions, doc->settings);
}

void CMainFrame::SendToView(UINT msg, WPARAM wp, LPARAM lp) {
    if (fw::CView* view = GetActiveView())
        if (view->hwnd()) SendMessageA(view->hwnd(), msg, wp, lp);
}

LRESULT CMainFrame::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wp));
        return 0;
    case WM_NCRBUTTONDOWN:
        if (IsIconic(hwnd_)) SendToView(WM_COMMAND, ID_RIGHT_CLICK, 0);
        break;
    case WM_SYSCOMMAND:
        if (ForwardedSysCommand(wp)) SendToView(WM_COMMAND, wp, 0);
        break;
    case WM_DISPLAYCHANGE:  // only top-level windows hear of it
        SendToView(msg, wp, lp);
        break;
    default:
        // Registered at run time, so no case label.
        if (msg != 0 && msg == TrayIcon::TaskbarCreatedMessage()) SendToView(msg, wp, lp);
        break;
    }
    // What the view was told of, the frame handles as usual too.
    return fw::CFrameWnd::WindowProc(msg, wp, lp);
}
