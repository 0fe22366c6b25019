// View base: the child window that fills the frame's client area and receives commands first.
#pragma once
#include <windows.h>
#include "framework/window.h"

namespace fw {

class CDocument;

class CView : public Wnd {
public:
    static constexpr const char* kClassName = "FwView";

    bool Create(HWND parent, HINSTANCE inst, UINT id);
    CDocument* GetDocument() const { return doc_; }
    void AttachDocument(CDocument* doc) { doc_ = doc; }

    // Runs once the document is ready; derived views create their controls here.
    virtual void OnInitialUpdate() {}
    // Command routing: with execute false, only says whether the id has a handler.
    virtual bool OnCmdMsg(UINT id, bool execute) { (void)id; (void)execute; return false; }
    // What command `id` does when it arrives during a busy period, wherever it arrives.
    virtual WhileBusy CommandWhileBusy(UINT id) const { (void)id; return WhileBusy::kRun; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    WhileBusy WhileBusyRule(UINT msg, WPARAM wp, LPARAM lp) override;
    virtual void OnDraw(HDC dc) { (void)dc; }

private:
    CDocument* doc_ = nullptr;
};

}  // namespace fw
