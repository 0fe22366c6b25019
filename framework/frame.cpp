// Frame creation, caption, command routing and closing.
#include "framework/frame.h"
#include <commdlg.h>
#include "framework/document.h"
#include "framework/handle.h"
#include "framework/busy_period.h"
#include "framework/view.h"

namespace fw {

bool CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    RegisterClassFor(kDefaultClass, inst_, LoadIconA(inst_, MAKEINTRESOURCEA(resId_)),
                     reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    cs.lpszClass = kDefaultClass;
    return true;
}

bool CFrameWnd::LoadFrame(UINT resId, DWORD style, const std::string& appTitle, HINSTANCE inst) {
    inst_ = inst;
    resId_ = resId;
    appTitle_ = appTitle;
    CREATESTRUCTA cs{};
    cs.hInstance = inst;
    cs.style = style;
    cs.dwExStyle = WS_EX_CLIENTEDGE;
    cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    cs.lpszName = appTitle_.c_str();
    if (!PreCreateWindow(cs)) return false;
    Menu menu(LoadMenuA(inst, MAKEINTRESOURCEA(resId)));
    accel_ = LoadAcceleratorsA(inst, MAKEINTRESOURCEA(resId));
    HWND w = CreateEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                      nullptr, menu.get(), inst);
    if (w) menu.release();  // the window owns it now
    return w != nullptr;
}

void CFrameWnd::SetViewAndDocument(std::unique_ptr<CView> view, CDocument* doc) {
    view_ = std::move(view);
    doc_ = doc;
    if (doc_) doc_->AttachFrame(this);
    if (view_) {
        view_->AttachDocument(doc);
        view_->Create(hwnd_, inst_, AFX_IDW_PANE_FIRST);
    }
    UpdateFrameTitle();
}

void CFrameWnd::ActivateFrame(int nCmdShow) {
    ShowWindow(hwnd_, nCmdShow);
    UpdateWindow(hwnd_);
}

void CFrameWnd::UpdateFrameTitle() {
    if (!hwnd_) return;
    std::string caption;
    if (doc_ && !doc_->GetTitle().empty()) caption = doc_->GetTitle() + " - ";
    caption += appTitle_;
    SetWindowTextA(hwnd_, caption.c_str());
}

bool CFrameWnd::OnCmdMsg(UINT id, bool execute) {
    switch (id) {
    case ID_APP_EXIT:
        if (execute) OnClose();
        return true;
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_SAVE:
        if (execute && doc_) OnFileCommand(id);
        return doc_ != nullptr;
    default:
        return false;
    }
}

// New and open renew the document and run the view's initial update again; the first save
// asks for a name, later ones reuse it.
void CFrameWnd::OnFileCommand(UINT id) {
    std::string path = doc_->GetPathName();
    if (id == ID_FILE_OPEN || (id == ID_FILE_SAVE && path.empty())) {
        path = AskFileName(id == ID_FILE_OPEN);
        if (path.empty()) return;
    }
    bool ok = id == ID_FILE_NEW ? doc_->OnNewDocument()
            : id == ID_FILE_OPEN ? doc_->OnOpenDocument(path)
                                 : doc_->OnSaveDocument(path);
    if (!ok) return;
    doc_->SetPathName(id == ID_FILE_NEW ? std::string() : path);
    if (id != ID_FILE_SAVE && view_) view_->OnInitialUpdate();
}

std::string CFrameWnd::AskFileName(bool open) {
    const std::string& name = doc_->GetFileTypeName();
    const std::string& ext = doc_->GetFileTypeExt();
    std::string filter;
    if (!name.empty() && !ext.empty()) filter += name + '\0' + "*" + ext + '\0';
    filter += std::string("*.*") + '\0' + "*.*" + '\0' + '\0';
    char file[MAX_PATH] = {};
    OPENFILENAMEA ofn{};
    // The record without the Windows 2000 fields: older dialog libraries refuse any other size.
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = hwnd_;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str() + (ext[0] == '.' ? 1 : 0);
    ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | (open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
    // Loaded only for the dialog: the library brings the print spooler with it, and under Wine
    // the spooler's Unix printing libraries, into every process that links it at start-up.
    using FileDialogFn = BOOL(WINAPI*)(LPOPENFILENAMEA);
    Module lib{LoadLibraryA("comdlg32.dll")};
    auto ask = lib ? reinterpret_cast<FileDialogFn>(reinterpret_cast<void*>(
                         GetProcAddress(lib.get(), open ? "GetOpenFileNameA" : "GetSaveFileNameA")))
                   : nullptr;
    BusyPeriod busy;
    BOOL ok = ask && ask(&ofn);
    return ok ? std::string(file) : std::string();
}

void CFrameWnd::OnClose() {
    if (!ready_ || closed_) return;
    closed_ = true;
    // The window is hidden first, so the closing work is not watched half-done.
    ShowWindow(hwnd_, SW_HIDE);
    if (doc_) doc_->OnCloseDocument();
    DestroyWindow(hwnd_);
}

// The saving cannot wait for a busy period to end; the freeing must.
void CFrameWnd::OnEndSession() {
    if (!ready_ || closed_) return;
    if (doc_) doc_->OnEndSession();
    if (BusyPeriod::Active())
        BusyPeriod::Hold(hwnd_, WM_CLOSE, 0, 0);
    else
        OnClose();
}

WhileBusy CFrameWnd::WhileBusyRule(UINT msg, WPARAM wp, LPARAM) {
    // Before start-up is over commands and closes are not taken at all, also not later.
    if (!ready_ && (msg == WM_COMMAND || msg == WM_CLOSE)) return WhileBusy::kDrop;
    switch (msg) {
    case WM_CLOSE:
        return WhileBusy::kWait;
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case ID_APP_EXIT:
        case ID_FILE_NEW:
        case ID_FILE_OPEN:
        case ID_FILE_SAVE:
            return WhileBusy::kWait;
        default:
            return view_ ? view_->CommandWhileBusy(LOWORD(wp)) : WhileBusy::kRun;
        }
    default:
        return WhileBusy::kRun;
    }
}

// Menu items without a handler are shown disabled.
void CFrameWnd::EnableMenuItems(HMENU popup) {
    int n = GetMenuItemCount(popup);
    for (int i = 0; i < n; ++i) {
        UINT id = GetMenuItemID(popup, i);
        if (id == 0 || id == static_cast<UINT>(-1)) continue;  // separator or submenu
        bool on = (view_ && view_->OnCmdMsg(id, false)) || OnCmdMsg(id, false);
        EnableMenuItem(popup, i, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
    }
}

LRESULT CFrameWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SIZE:
        if (view_ && view_->hwnd())
            MoveWindow(view_->hwnd(), 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
        return Default(msg, wp, lp);
    case WM_COMMAND: {
        if (!ready_) return 0;
        UINT id = LOWORD(wp);
        if (view_ && view_->OnCmdMsg(id, true)) return 0;
        OnCmdMsg(id, true);
        return 0;
    }
    case WM_INITMENUPOPUP:
        if (!HIWORD(lp)) EnableMenuItems(reinterpret_cast<HMENU>(wp));
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // Windows ends a session without WM_CLOSE: the closing work must run here.
        if (wp) OnEndSession();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return Default(msg, wp, lp);
    }
}

}  // namespace fw
