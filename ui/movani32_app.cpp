// Start-up of the main program.
#include "ui/movani32_app.h"
#include "ui/movani32_doc.h"
#include "ui/main_frame.h"
#include "ui/movani32_view.h"
#include "ui/resource.h"

CMovani32App theApp;

bool CMovani32App::InitInstance() {
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
    return frame != nullptr;
}

int CMovani32App::ExitInstance(int code) {
    setMainFrame(nullptr);
    if (template_) template_->CloseAll();
    return code;
}
