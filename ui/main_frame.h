// The main window: registers the window class "MovaniClass" the remote control looks for.
#pragma once
#include "framework/frame.h"

extern const char kMovaniClass[];

class CMainFrame : public fw::CFrameWnd {
public:
    static constexpr int kWidth = 480;
    static constexpr int kHeight = 390;

protected:
    bool PreCreateWindow(CREATESTRUCTA& cs) override;
};
