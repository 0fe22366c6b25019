// Application start-up, the single-document template and the message loop.
#include "framework/app.h"
#include "framework/document.h"
#include "framework/frame.h"
#include "framework/view.h"

namespace fw {

namespace {
CWinApp* g_app = nullptr;
}

CWinApp* GetApp() { return g_app; }

std::vector<std::string> SplitTemplateString(const std::string& s) {
    std::vector<std::string> out;
    size_t start = 0;
    for (;;) {
        size_t nl = s.find('\n', start);
        out.push_back(s.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    return out;
}

std::string LoadResString(HINSTANCE inst, UINT id) {
    char buf[512];
    int n = LoadStringA(inst, id, buf, sizeof buf);
    return n > 0 ? std::string(buf, n) : std::string();
}

CSingleDocTemplate::CSingleDocTemplate(UINT resId, DocFactory doc, FrameFactory frame, ViewFactory view)
    : resId_(resId), makeDoc_(std::move(doc)), makeFrame_(std::move(frame)), makeView_(std::move(view)) {}

// The frame goes before the document it shows.
CSingleDocTemplate::~CSingleDocTemplate() { CloseAll(); }

std::string CSingleDocTemplate::GetDocString(HINSTANCE inst, size_t index) const {
    auto fields = SplitTemplateString(LoadResString(inst, resId_));
    return index < fields.size() ? fields[index] : std::string();
}

CFrameWnd* CSingleDocTemplate::OpenNewDocument(HINSTANCE inst, const std::string& appTitle,
                                               DWORD frameStyle, int nCmdShow) {
    doc_ = makeDoc_();
    frame_ = makeFrame_();
    if (!doc_ || !frame_) return nullptr;
    if (!frame_->LoadFrame(resId_, frameStyle, appTitle, inst)) {
        frame_.reset();
        return nullptr;
    }
    doc_->SetTitle(GetDocString(inst, 1));
    doc_->SetFileType(GetDocString(inst, 3), GetDocString(inst, 4));
    frame_->SetViewAndDocument(makeView_(), doc_.get());
    if (!doc_->OnNewDocument()) {
        CloseAll();
        return nullptr;
    }
    if (CView* v = frame_->GetActiveView()) v->OnInitialUpdate();
    frame_->ActivateFrame(nCmdShow);
    frame_->SetReady();
    return frame_.get();
}

// The window goes while its object is whole, and takes the view's window with it.
void CSingleDocTemplate::CloseAll() {
    if (frame_ && frame_->hwnd()) DestroyWindow(frame_->hwnd());
    frame_.reset();
    doc_.reset();
}

CWinApp::CWinApp() { g_app = this; }
CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

int CWinApp::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        HWND main = mainFrame_ ? mainFrame_->hwnd() : nullptr;
        HACCEL accel = mainFrame_ ? mainFrame_->GetAccelerators() : nullptr;
        if (main && accel && TranslateAcceleratorA(main, accel, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int CWinApp::Main(HINSTANCE inst, const char* cmdLine, int showCmd) {
    inst_ = inst;
    cmdLine_ = cmdLine ? cmdLine : "";
    showCmd_ = showCmd;
    if (!InitInstance()) return ExitInstance(0);
    return ExitInstance(Run());
}

}  // namespace fw
