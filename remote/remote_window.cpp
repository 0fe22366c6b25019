// The remote control window: each button sends a command to the main program, changes its
// window's state, starts it, or closes the remote control.
#include "framework/window.h"
#include "remote/remote_window.h"
#include "remote/about_box.h"
#include "remote/commands.h"
#include "remote/form_font.h"
#include "remote/main_program.h"
#include "remote/translucency.h"
#include <commctrl.h>
#include <windowsx.h>
#include <iterator>

namespace {

enum class Act { Start, Send, Show, Close };

struct ButtonSpec {
    const char* caption;
    int x, y, cx, cy;
    const char* hint;
    Act act;
    unsigned arg;  // command id or ShowWindow state
};

// In tab order. Neighbours overlap by a pixel, as the form was drawn.
const ButtonSpec kButtons[] = {
    {"ON", 4, 4, 73, 33, "MovAni32を起動", Act::Start, 0},
    {"OFF", 76, 4, 45, 33, "MovAni32を終了", Act::Send, rc::ID_APP_EXIT},
    {"No Paper", 4, 36, 117, 25, "壁紙無し", Act::Send, rc::ID_NO_PAPER},
    {"GO", 28, 64, 69, 21, "再開", Act::Send, rc::ID_GO},
    {"STOP", 28, 84, 69, 21, "停止", Act::Send, rc::ID_STOP},
    {"<", 4, 64, 25, 41, "前の壁紙", Act::Send, rc::ID_PREV},
    {">", 96, 64, 25, 41, "次の壁紙", Act::Send, rc::ID_NEXT},
    {"Center/Tiled", 4, 108, 117, 21, "中央／並べて", Act::Send, rc::ID_CENTER_TILE},
    {"SHOW", 4, 128, 61, 25, "元のサイズで表示", Act::Show, SW_SHOWNORMAL},
    {"HIDE", 64, 128, 57, 25, "MovAni32を隠す", Act::Show, SW_HIDE},
    {"Property", 4, 152, 61, 29, "プロパティーを設定", Act::Send, rc::ID_PROPERTIES},
    {"MINIMIZE", 64, 152, 57, 29, "最小化する", Act::Show, SW_MINIMIZE},
    {"終了", 4, 184, 117, 21, "リモコンを終了する。", Act::Close, 0},
};
static_assert(std::size(kButtons) == 13, "one entry per button");

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
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        const ButtonSpec& b = kButtons[i];
        buttons_[i] = fw::MakeControl(hwnd_, "BUTTON", b.caption, BS_PUSHBUTTON | WS_TABSTOP,
                                      kFirstButtonId + static_cast<int>(i), b.x, b.y, b.cx, b.cy, font);
    }
}

void TfrmMovRc2::AddHints() {
    HINSTANCE inst = fw::InstanceOf(hwnd_);
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, inst, nullptr);
    if (!tooltip_) return;
    for (size_t i = 0; i < std::size(kButtons); ++i) {
        if (!buttons_[i]) continue;
        TOOLINFOA ti{};
        ti.cbSize = TTTOOLINFOA_V1_SIZE;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = hwnd_;
        ti.uId = reinterpret_cast<UINT_PTR>(buttons_[i]);
        ti.lpszText = const_cast<char*>(kButtons[i].hint);
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

int TfrmMovRc2::ButtonIndex(HWND w) const {
    for (int i = 0; i < static_cast<int>(std::size(buttons_)); ++i)
        if (w && buttons_[i] == w) return i;
    return -1;
}

void TfrmMovRc2::OnButton(int index) {
    const ButtonSpec& b = kButtons[index];
    switch (b.act) {
    case Act::Start:
        rc::StartMainProgram(hwnd_);
        break;
    case Act::Send:
        rc::SendCommand(b.arg);
        break;
    case Act::Show:
        rc::ShowMainWindow(static_cast<int>(b.arg));
        break;
    case Act::Close:
        PostMessageA(hwnd_, WM_CLOSE, 0, 0);
        break;
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
    case WM_COMMAND: {
        UINT id = LOWORD(wp);
        if (id == kMenuAbout && !lp) {
            if (about_) about_->ShowModal();
        } else if (id == kMenuClose && !lp) {
            PostMessageA(hwnd_, WM_CLOSE, 0, 0);
        } else if (id == IDOK) {
            // Enter on a focused button clicks it.
            int i = ButtonIndex(GetFocus());
            if (i >= 0) OnButton(i);
        } else if (id >= kFirstButtonId && id < kFirstButtonId + std::size(kButtons) && HIWORD(wp) == BN_CLICKED) {
            OnButton(static_cast<int>(id - kFirstButtonId));
        }
        return 0;
    }
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
