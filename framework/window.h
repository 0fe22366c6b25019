// Base of our windows: binds the C++ object to its HWND at WM_NCCREATE and forwards
// messages to a virtual handler. The object must outlive its window: its owner destroys the
// window first.
#pragma once
#include <windows.h>
#include "framework/busy_period.h"

namespace fw {

// The top-level window that holds `w` through its chain of parents (`w` itself when it is
// one): what GetAncestor(GA_ROOT) gives, which Windows 95 and NT 4.0 lack.
// nullptr for nullptr.
HWND RootWindow(HWND w);

// The module that created `w`.
HINSTANCE InstanceOf(HWND w);

// A visible child control of class `cls` at (x, y), cx by cy in client pixels, in `font`
// when one is given.
HWND MakeControl(HWND parent, const char* cls, const char* text, DWORD style, int id,
                 int x, int y, int cx, int cy, HFONT font = nullptr);

class Wnd {
public:
    Wnd() = default;
    virtual ~Wnd();
    Wnd(const Wnd&) = delete;
    Wnd& operator=(const Wnd&) = delete;

    HWND hwnd() const { return hwnd_; }

    // Registers a window class whose procedure dispatches to Wnd objects.
    // Returns false only when the class neither exists nor could be registered.
    static bool RegisterClassFor(const char* className, HINSTANCE inst, HICON icon = nullptr,
                                 HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    static LRESULT CALLBACK StaticProc(HWND w, UINT msg, WPARAM wp, LPARAM lp);
    static Wnd* FromHandle(HWND w);

    HWND CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style,
                  int x, int y, int cx, int cy, HWND parent, HMENU menuOrId, HINSTANCE inst);

    // Runs this top-level window modally: its owner disabled, the window shown with `focus`
    // focused, messages (the dialog keys among them) dispatched until EndModal. The owner is
    // enabled again before the window hides. Returns EndModal's value, or IDCANCEL when the
    // program is quitting (the quit is passed on) or the window went away.
    int RunModal(HWND focus);
    void EndModal(int result) { modalResult_ = result; }

protected:
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // What happens to a message that arrives during a busy period (framework/busy_period.h).
    virtual WhileBusy WhileBusyRule(UINT, WPARAM, LPARAM) { return WhileBusy::kRun; }
    LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(hwnd_, msg, wp, lp); }
    // Last message of the window; the handle is cleared after it.
    virtual void OnNcDestroy() {}

    HWND hwnd_ = nullptr;

private:
    int modalResult_ = 0;
};

}  // namespace fw
