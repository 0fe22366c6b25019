// Application base and the single-document template: one document, one frame, one view.
#pragma once
#include <windows.h>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class CDocument;
class CFrameWnd;
class CView;

// Splits a resource string at "\n" (the document template string's fields).
std::vector<std::string> SplitTemplateString(const std::string& s);
// A string resource in the program's code page, or "" when absent.
std::string LoadResString(HINSTANCE inst, UINT id);

class CSingleDocTemplate {
public:
    using DocFactory = std::function<std::unique_ptr<CDocument>()>;
    using FrameFactory = std::function<std::unique_ptr<CFrameWnd>()>;
    using ViewFactory = std::function<std::unique_ptr<CView>()>;

    CSingleDocTemplate(UINT resId, DocFactory doc, FrameFactory frame, ViewFactory view);
    ~CSingleDocTemplate();
    CSingleDocTemplate(const CSingleDocTemplate&) = delete;
    CSingleDocTemplate& operator=(const CSingleDocTemplate&) = delete;

    // Builds document, frame (with the given style) and view, runs the new-document
    // step, the view's initial update, then activates the frame with `nCmdShow`.
    // Returns the frame, or nullptr when a step failed.
    CFrameWnd* OpenNewDocument(HINSTANCE inst, const std::string& appTitle, DWORD frameStyle, int nCmdShow);
    void CloseAll();

    CDocument* GetDocument() const { return doc_.get(); }
    CFrameWnd* GetFrame() const { return frame_.get(); }
    // Field `index` of the template string (0 window title, 1 document name, ...).
    std::string GetDocString(HINSTANCE inst, size_t index) const;

private:
    UINT resId_;
    DocFactory makeDoc_;
    FrameFactory makeFrame_;
    ViewFactory makeView_;
    std::unique_ptr<CDocument> doc_;
    std::unique_ptr<CFrameWnd> frame_;
};

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();

    virtual bool InitInstance() = 0;
    // The message loop, with the main frame's accelerators; returns the quit code.
    virtual int Run();
    virtual int ExitInstance(int code) { return code; }

    HINSTANCE instance() const { return inst_; }
    const char* commandLine() const { return cmdLine_; }
    int showCmd() const { return showCmd_; }
    CFrameWnd* mainFrame() const { return mainFrame_; }
    void setMainFrame(CFrameWnd* f) { mainFrame_ = f; }

    // Entry used by WinMain.
    int Main(HINSTANCE inst, const char* cmdLine, int showCmd);

protected:
    HINSTANCE inst_ = nullptr;
    const char* cmdLine_ = "";
    int showCmd_ = SW_SHOWNORMAL;
    CFrameWnd* mainFrame_ = nullptr;
};

// The single application object of the process.
CWinApp* GetApp();

}  // namespace fw
