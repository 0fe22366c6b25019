// Message dispatch from the window procedure to Wnd objects.
#include "framework/window.h"

namespace fw {

HWND RootWindow(HWND w) {
    // GetParent gives a child's parent but a top-level window's owner: stop at the first
    // window that is not a child.
    while (w && (GetWindowLongA(w, GWL_STYLE) & WS_CHILD)) {
        HWND parent = GetParent(w);
        if (!parent) break;
        w = parent;
    }
    return w;
}

HINSTANCE InstanceOf(HWND w) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(w, GWLP_HINSTANCE));
}

HWND MakeControl(HWND parent, const char* cls, const char* text, DWORD style, int id,
                 int x, int y, int cx, int cy, HFONT font) {
    HWND w = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), InstanceOf(parent), nullptr);
    if (w && font) SendMessageA(w, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return w;
}

// A window its owner forgot to destroy reaches this object no more.
Wnd::~Wnd() {
    if (hwnd_) SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
}

bool Wnd::RegisterClassFor(const char* className, HINSTANCE inst, HICON icon, HBRUSH background) {
    WNDCLASSA wc{};
    if (GetClassInfoA(inst, className, &wc)) return true;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &Wnd::StaticProc;
    wc.hInstance = inst;
    wc.hIcon = icon;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassA(&wc) != 0;
}

Wnd* Wnd::FromHandle(HWND w) {
    return reinterpret_cast<Wnd*>(GetWindowLongPtrA(w, GWLP_USERDATA));
}

HWND Wnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                   int x, int y, int cx, int cy, HWND parent, HMENU menuOrId, HINSTANCE inst) {
    return CreateWindowExA(exStyle, className, title, style, x, y, cx, cy, parent, menuOrId, inst, this);
}

LRESULT CALLBACK Wnd::StaticProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    Wnd* self = nullptr;
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
        self = static_cast<Wnd*>(cs->lpCreateParams);
        if (self) {
            self->hwnd_ = w;
            SetWindowLongPtrA(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = FromHandle(w);
    }
    if (!self) return DefWindowProcA(w, msg, wp, lp);
    if (msg == BusyPeriod::WakeMessage() && msg != 0) {
        BusyPeriod::RunWaiting();
        return 0;
    }
    if (BusyPeriod::Gate(w, msg, wp, lp, self->WhileBusyRule(msg, wp, lp))) return 0;
    LRESULT r = self->WindowProc(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        BusyPeriod::Forget(w);
        SetWindowLongPtrA(w, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->OnNcDestroy();
    }
    return r;
}

LRESULT Wnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

int Wnd::RunModal(HWND focus) {
    BusyPeriod busy;
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    if (owner) EnableWindow(owner, FALSE);
    ShowWindow(hwnd_, SW_SHOW);
    if (focus) SetFocus(focus);
    modalResult_ = 0;
    MSG msg{};
    BOOL got = TRUE;
    while (!modalResult_ && hwnd_ && (got = GetMessageA(&msg, nullptr, 0, 0)) > 0) {
        if (IsDialogMessageA(hwnd_, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    // The owner first, so activation returns to it.
    if (owner) EnableWindow(owner, TRUE);
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
    if (got <= 0) PostQuitMessage(static_cast<int>(msg.wParam));
    return got <= 0 || !modalResult_ ? IDCANCEL : modalResult_;
}

}  // namespace fw
