// Frame base: the top-level window made from one resource id (menu, accelerators, title),
// owning the view and routing commands to it before handling them itself. Its owner destroys
// the window before the object.
#pragma once
#include <windows.h>
#include <memory>
#include <string>
#include "framework/framework_ids.h"
#include "framework/window.h"

namespace fw {

class CView;
class CDocument;

class CFrameWnd : public Wnd {
public:
    static constexpr const char* kDefaultClass = "FwFrame";

    // Creates the window from resource `resId`. `appTitle` ends the caption.
    bool LoadFrame(UINT resId, DWORD style, const std::string& appTitle, HINSTANCE inst);
    // Takes the view (created as a child at WM_CREATE) and the document.
    void SetViewAndDocument(std::unique_ptr<CView> view, CDocument* doc);

    CView* GetActiveView() const { return view_.get(); }
    CDocument* GetActiveDocument() const { return doc_; }
    HACCEL GetAccelerators() const { return accel_; }
    // The application title that ends the caption (and heads the program's message boxes).
    const std::string& GetAppTitle() const { return appTitle_; }

    // Shows the frame; derived frames may change the show state.
    virtual void ActivateFrame(int nCmdShow);
    // Recomposes the caption: document title, " - ", application title.
    void UpdateFrameTitle();
    // Start-up is over: commands and closing are taken from now on. Until then a command
    // that arrives while a start-up question box runs its loop is dropped, so the document
    // is never closed in the middle of its own opening.
    void SetReady() { ready_ = true; }
    bool ready() const { return ready_; }

protected:
    // Hook before creation: the class name and size may be changed here. The default
    // registers the framework's own frame class, with the icon of the frame's resource id.
    virtual bool PreCreateWindow(CREATESTRUCTA& cs);
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    // A close, and the commands that close or renew the document, wait for a busy period:
    // they free what it uses. The view says what its commands do.
    WhileBusy WhileBusyRule(UINT msg, WPARAM wp, LPARAM lp) override;
    // Commands that reach the frame after the view declined them.
    virtual bool OnCmdMsg(UINT id, bool execute);
    // The closing sequence of ID_APP_EXIT, the close box and the end of the session; runs once.
    virtual void OnClose();
    // WM_ENDSESSION(TRUE): Windows may end the process as soon as the message returns.
    void OnEndSession();

    HINSTANCE inst_ = nullptr;
    UINT resId_ = 0;

private:
    void EnableMenuItems(HMENU popup);
    void OnFileCommand(UINT id);
    // The file dialog; "" when the user cancelled it.
    std::string AskFileName(bool open);

    std::unique_ptr<CView> view_;
    CDocument* doc_ = nullptr;
    HACCEL accel_ = nullptr;
    std::string appTitle_;
    bool ready_ = false;
    bool closed_ = false;
};

}  // namespace fw
