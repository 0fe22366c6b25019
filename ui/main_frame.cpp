// Main window class registration and size.
#include "ui/main_frame.h"
#include "ui/resource.h"

const char kMovaniClass[] = "MovaniClass";

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
