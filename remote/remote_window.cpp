// The remote control window: each button sends a command to the main program, changes its
// window's state, starts it, or closes the remote control.
#include "framework/window.h"
#include "remote/remote_window.h"
#include "remote/about_box.h"
#include "remote/form_font.h"
#include "remote/main_program.h"
#include "remote/translucency.h"
#include <commctrl.h>
#include <windowsx.h>

namespace {

constexpr int kFirstButtonId = 100;
constexpr UINT kMenuAbout = 200;
constexpr UINT kMenuClose = 201;
constexpr int kLeft = 207, kTop = 120, kClientWidth = 127, kClientHeight = 207;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

}  // namespace

bool TfrmMovRc2::Create(HINSTANCE inst, HICON icon, HFONT font) {
    if (!RegisterClassFor(kClassName, inst, icon, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1))) return false;
    RECT r{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&r, kStyle, FALSE, 0);
    if (!CreateEx(0, kClassName, "MovRc2", kStyle, kLeft, kTop, r.right - r.left, r.bottom - r.top, nullptr,
                  nullptr, inst))
        return false;
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    CreateButtons(font);
    AddHints();
    popup_.reset(CreatePopupMenu());
    AppendMenuA(popup_.get(), MF_STRING, kMenuAbout, "バージョン情報(&A)");
    AppendMenuA(popup_.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuA(popup_.get(), MF_STRING, kMenuClose, "終了(&C)");
    return true;
}

void TfrmMovRc2::CreateButtons(HFONT font) {
    // Created in tab order: the dialog keys follow the z-order.
    for (int i = 0; i < rc::kButtonCount; ++i) {
        const rc::ButtonSpec& b = rc::kButtons[i];
        buttons_[i] = fw::MakeControl(hwnd_, "BUTTON", b.caption, BS_PUSHBUTTON | WS_TABSTOP, kFirstButtonId + i,
                                      b.x, b.y, b.cx, b.cy, font);
    }
}

void TfrmMovRc2::AddHints() {
    HINSTANCE inst = fw::InstanceOf(hwnd_);
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, inst, nullptr);
    if (!tooltip_) return;
    for (int i = 0; i < rc::kButtonCount; ++i) {
        if (!buttons_[i]) continue;
        TOOLINFOA ti{};
        ti.cbSize = TTTOOLINFOA_V1_SIZE;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = hwnd_;
        ti.uId = reinterpret_cast<UINT_PTR>(buttons_[i]);
        ti.lpszText = const_cast<char*>(rc::kButtons[i].hint);
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

int TfrmMovRc2::ButtonIndex(HWND w) const {
    for (int i = 0; i < rc::kButtonCount; ++i)
        if (w && buttons_[i] == w) return i;
    return -1;
}

void TfrmMovRc2::OnButton(int index) {
    const rc::ButtonSpec& b = rc::kButtons[index];
    switch (b.act) {
    case rc::Act::Start:
        rc::StartMainProgram(hwnd_);
        break;
    case rc::Act::Send:
        rc::SendCommand(b.arg);
        break;
    case rc::Act::Show:
        rc::ShowMainWindow(static_cast<int>(b.arg));
        break;
    case rc::Act::Close:
        PostMessageA(hwnd_, WM_CLOSE, 0, 0);
        break;
    }
}

// Menu entries come without a control; a button's click with its own id; Enter on a
// focused button as IDOK.
void TfrmMovRc2::OnCommand(UINT id, UINT code, bool fromControl) {
    const int button = static_cast<int>(id) - kFirstButtonId;
    if (id == kMenuAbout && !fromControl) {
        if (about_) about_->ShowModal();
    } else if (id == kMenuClose && !fromControl) {
        PostMessageA(hwnd_, WM_CLOSE, 0, 0);
    } else if (id == IDOK) {
        int i = ButtonIndex(GetFocus());
        if (i >= 0) OnButton(i);
    } else if (button >= 0 && button < rc::kButtonCount && code == BN_CLICKED) {
        OnButton(button);
    }
}

void TfrmMovRc2::ShowPopup(POINT screen) {
    TrackPopupMenu(popup_.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd_, nullptr);
}

LRESULT TfrmMovRc2::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SHOWWINDOW:
        if (wp) rc::MakeTranslucent(hwnd_);
        return Default(msg, wp, lp);
    case WM_COMMAND:
        OnCommand(LOWORD(wp), HIWORD(wp), lp != 0);
        return 0;
    case WM_RBUTTONUP: {  // on the background
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        ClientToScreen(hwnd_, &p);
        ShowPopup(p);
        return 0;
    }
    case WM_CONTEXTMENU: {
        HWND from = reinterpret_cast<HWND>(wp);
        POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (from == hwnd_ && lp != -1) {
            // Outside the client area (the caption): the system menu's business.
            POINT c = p;
            ScreenToClient(hwnd_, &c);
            RECT client{};
            GetClientRect(hwnd_, &client);
            if (!PtInRect(&client, c)) return Default(msg, wp, lp);
        }
        if (lp == -1) {  // from the keyboard: below the focused control's corner
            RECT r{};
            GetWindowRect(ButtonIndex(from) >= 0 ? from : hwnd_, &r);
            p = {r.left, r.bottom};
        }
        ShowPopup(p);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wp) == WA_INACTIVE) {
            HWND f = GetFocus();
            if (ButtonIndex(f) >= 0) lastFocus_ = f;
        } else if (!HIWORD(wp)) {
            SetFocus(lastFocus_ ? lastFocus_ : buttons_[0]);
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return Default(msg, wp, lp);
    }
}
