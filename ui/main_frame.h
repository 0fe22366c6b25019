// The main window: registers the window class "MovaniClass" the remote control looks for,
// adds the program's commands to its system menu and hands them, and a right click on its
// minimised window, to the view.
#pragma once
#include <windows.h>
#include <shellapi.h>
#include "framework/frame.h"

extern const char kMovaniClass[];

class CMainFrame : public fw::CFrameWnd {
public:
    static constexpr int kWidth = 480;
    static constexpr int kHeight = 390;

    // The first activation appends the system-menu entries and shows the window minimised,
    // whatever was asked; later ones pass the show state through.
    void ActivateFrame(int nCmdShow) override;

protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    // A drop waits for a busy period, as a close does.
    fw::WhileBusy WhileBusyRule(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnDropFiles(HDROP drop);
    void SendToView(UINT msg, WPARAM wp, LPARAM lp);
    void AppendSystemMenuEntries();
    bool activated_ = false;
};
