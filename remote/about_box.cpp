// About window: icon, product name, version, note and an OK button that ends it.
#include "framework/window.h"
#include "remote/about_box.h"
#include "remote/form_font.h"

namespace {

constexpr int kClientWidth = 281;
constexpr int kClientHeight = 154;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

}  // namespace

bool TAboutBox::Create(HINSTANCE inst, HWND owner, HICON icon, HFONT font) {
    icon_ = icon;
    if (!RegisterClassFor(kClassName, inst, nullptr, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1))) return false;
    RECT r{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
    if (!CreateEx(kExStyle, kClassName, "バージョン情報", kStyle, 0, 0, r.right - r.left, r.bottom - r.top,
                  owner, nullptr, inst))
        return false;
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    rc::MakeLabel(hwnd_, "MovRc2  Movani32 リモコン", 56, 16, font);
    rc::MakeLabel(hwnd_, "Version 1.2.1.2", 104, 40, font);
    rc::MakeLabel(hwnd_, "フリーソフトウェア", 96, 56, font);
    fw::MakeControl(hwnd_, "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, 224, 44, 50, 21, font);
    fw::MakeControl(hwnd_, "BUTTON", "", BS_GROUPBOX, -1, 16, 80, 249, 57, font);
    noteFont_.reset(rc::MakeFormFont(13));
    // Inside the group box, whatever the font's widths.
    rc::MakeLabel(hwnd_, "Movani32 を動かすリモコンです。", 28, 100, noteFont_.get(), 249 - 24);
    return true;
}

void TAboutBox::CentreOnScreen() {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    int cx = r.right - r.left, cy = r.bottom - r.top;
    SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - cx) / 2, (GetSystemMetrics(SM_CYSCREEN) - cy) / 2,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int TAboutBox::ShowModal() {
    CentreOnScreen();
    return RunModal(GetDlgItem(hwnd_, IDOK));
}

LRESULT TAboutBox::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: {
        fw::PaintDc dc(hwnd_);
        if (icon_) DrawIconEx(dc.get(), 8, 32, icon_, 33, 33, 0, nullptr, DI_NORMAL);
        return 0;
    }
    case DM_GETDEFID:
        return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) EndModal(LOWORD(wp));
        return 0;
    case WM_CLOSE:  // the window lives on, hidden, for the next showing
        EndModal(IDCANCEL);
        return 0;
    default:
        return Default(msg, wp, lp);
    }
}
