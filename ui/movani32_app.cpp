// Start-up of the main program: one copy only, the document/frame/view, drops, the switch.
#include "ui/movani32_app.h"
#include <shellapi.h>
#include "ui/command_line.h"
#include "ui/movani32_doc.h"
#include "ui/main_frame.h"
#include "ui/movani32_view.h"
#include "ui/resource.h"

CMovani32App theApp;

namespace {

// A copy already running is brought forward and this one ends without creating anything.
bool RaiseRunningCopy() {
    HWND running = FindWindowA(kMovaniClass, nullptr);
    if (!running) return false;
    // A window hidden with "-S" stays hidden: hiding keeps it minimised underneath.
    if (IsIconic(running) == 1 && IsWindowVisible(running))
        ShowWindow(running, SW_SHOWNORMAL);
    else
        BringWindowToTop(running);
    return true;
}

}  // namespace

bool CMovani32App::InitInstance() {
    if (RaiseRunningCopy()) return false;
    template_ = std::make_unique<fw::CSingleDocTemplate>(
        IDR_MAINFRAME,
        [] { return std::make_unique<CMovani32Doc>(); },
        [] { return std::make_unique<CMainFrame>(); },
        [] { return std::make_unique<CMovani32View>(); });
    std::string title = fw::LoadResString(inst_, AFX_IDS_APP_TITLE);
    if (title.empty()) title = "Movani32";
    fw::CFrameWnd* frame = template_->OpenNewDocument(
        inst_, title, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, showCmd_);
    setMainFrame(frame);
    // Without a main window (the new-document step failed) there is nothing to run.
    if (!frame) return false;
    DragAcceptFiles(frame->hwnd(), TRUE);
    if (mov::StartsHidden(cmdLine_)) ShowWindow(frame->hwnd(), SW_HIDE);
    return true;
}

int CMovani32App::ExitInstance(int code) {
    setMainFrame(nullptr);
    if (template_) template_->CloseAll();
    return code;
}
