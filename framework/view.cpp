// View window creation, painting and command forwarding.
#include "framework/view.h"
#include "framework/handle.h"

namespace fw {

bool CView::Create(HWND parent, HINSTANCE inst, UINT id) {
    RegisterClassFor(kClassName, inst, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    RECT rc{};
    GetClientRect(parent, &rc);
    return CreateEx(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                    rc.right - rc.left, rc.bottom - rc.top, parent,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), inst) != nullptr;
}

WhileBusy CView::WhileBusyRule(UINT msg, WPARAM wp, LPARAM) {
    return msg == WM_COMMAND ? CommandWhileBusy(LOWORD(wp)) : WhileBusy::kRun;
}

LRESULT CView::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: {
        PaintDc dc(hwnd_);
        OnDraw(dc.get());
        return 0;
    }
    case WM_COMMAND:
        // Controls of the view notify here; commands go through the usual routing.
        if (OnCmdMsg(LOWORD(wp), true)) return 0;
        if (HWND frame = GetParent(hwnd_)) return SendMessageA(frame, WM_COMMAND, wp, lp);
        return 0;
    default:
        return Default(msg, wp, lp);
    }
}

}  // namespace fw
