// MovRC2: the remote control that starts Movani32 and drives it by command ids.
#include <windows.h>
#include <commctrl.h>
#include "framework/app.h"
#include "framework/handle.h"
#include "framework/window.h"
#include "remote/about_box.h"
#include "remote/form_font.h"
#include "remote/remote_window.h"

// The two forms, created at start in this order. The About window's instance is exported.
TfrmMovRc2* frmMovRc2 = nullptr;
extern "C" TAboutBox* AboutBox;
TAboutBox* AboutBox = nullptr;

namespace {

constexpr int kIconId = 1;

// The tooltips' class. InitCommonControlsEx comes with the common controls of NT 4.0 and
// Windows 95 OSR2; the first Windows 95 has only InitCommonControls, which registers the
// same Windows 95 classes.
void InitControls() {
    using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    HMODULE lib = GetModuleHandleA("comctl32.dll");
    auto init = lib ? reinterpret_cast<InitFn>(reinterpret_cast<void*>(GetProcAddress(lib, "InitCommonControlsEx")))
                    : nullptr;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    if (!init || !init(&icc)) InitCommonControls();
}

class TMovRc2App : public fw::CWinApp {
public:
    bool InitInstance() override {
        InitControls();
        font_.reset(rc::MakeFormFont(12));
        icon_ = LoadIconA(inst_, MAKEINTRESOURCEA(kIconId));
        if (!remote_.Create(inst_, icon_, font_.get())) return false;
        frmMovRc2 = &remote_;
        if (!about_.Create(inst_, remote_.hwnd(), icon_, font_.get())) return false;
        AboutBox = &about_;
        remote_.SetAboutBox(&about_);
        ShowWindow(remote_.hwnd(), showCmd_);
        return true;
    }

    // Tab and the arrow keys move between the buttons of whichever form has the key.
    int Run() override {
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            HWND top = msg.hwnd ? fw::RootWindow(msg.hwnd) : nullptr;
            if (top && (top == remote_.hwnd() || top == about_.hwnd()) && IsDialogMessageA(top, &msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        return static_cast<int>(msg.wParam);
    }

    int ExitInstance(int code) override {
        AboutBox = nullptr;
        frmMovRc2 = nullptr;
        // The windows go while their objects are whole (the remote control's is gone
        // already unless the start failed).
        for (HWND w : {about_.hwnd(), remote_.hwnd()})
            if (w) DestroyWindow(w);
        return code;
    }

private:
    fw::Font font_;
    HICON icon_ = nullptr;  // shared resource icon: never destroyed
    TfrmMovRc2 remote_;
    TAboutBox about_;
};

TMovRc2App theApp;

}  // namespace
