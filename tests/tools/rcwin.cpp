// rcwin WHAT: looks at and drives the remote control window (class TfrmMovRc2) from outside.
//   window          position, client size, border, boxes, caption and transparency
//   buttons         one line per child in tab order: left top width height tabstop caption
//   check buttons|hints   compares those lines with the remote control's own button table
//                   (remote/buttons.h); prints the differences and fails on any
//   click CAPTION   clicks the button and returns once the remote control has handled it
//   post CAPTION    clicks the button without waiting (for clicks that open a message box)
//   hints           one line per tooltip tool: the button's caption TAB its tip text
//   hover CAPTION   rests the mouse on the button until its tip shows; prints the tip's rectangle
//   rclick CAPTION|X,Y   right mouse click on the button's centre or the client point; waits for
//                   the popup menu and prints its offset from the click point
//   menu KEY        while the popup menu is open: "esc" closes it, a letter picks its entry
//   about           the About window: shown or hidden, caption, client size, centring, and its
//                   children: left top right bottom text
//   aboutok         clicks the About window's OK button
// Texts are printed in the program's code page. Exit 1 when there is no such window or state.
#include <windows.h>
#include <commctrl.h>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>
#include "remote/buttons.h"

namespace {

HWND gRemote = nullptr;

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> out;
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out.push_back(c);
    return out;
}

std::string Text(HWND w) {
    char buf[512] = {};
    GetWindowTextA(w, buf, sizeof buf);
    return buf;
}

HWND Button(const char* caption) {
    for (HWND c : Children(gRemote))
        if (Text(c) == caption) return c;
    std::fprintf(stderr, "rcwin: no button '%s'\n", caption);
    return nullptr;
}

RECT ClientRectOf(HWND w, HWND relativeTo) {
    RECT r{};
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, relativeTo, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

template <class Pred>
bool WaitFor(Pred ok, int tenths = 100) {
    for (int i = 0; i < tenths; ++i) {
        if (ok()) return true;
        Sleep(100);
    }
    return ok();
}

void MouseTo(POINT screen, DWORD buttons = 0) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttons;
    SendInput(1, &in, sizeof in);
}

struct Found {
    const char* cls;
    HWND owner;  // nullptr: any owner
    HWND w;
};
BOOL CALLBACK FindVisible(HWND w, LPARAM lp) {
    auto* f = reinterpret_cast<Found*>(lp);
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (_stricmp(cls, f->cls) == 0 && IsWindowVisible(w) && (!f->owner || GetWindow(w, GW_OWNER) == f->owner)) {
        f->w = w;
        return FALSE;
    }
    return TRUE;
}
HWND VisibleTopLevel(const char* cls, HWND owner) {
    Found f{cls, owner, nullptr};
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&f));
    return f.w;
}

int Window() {
    RECT w{}, c{};
    GetWindowRect(gRemote, &w);
    GetClientRect(gRemote, &c);
    LONG style = GetWindowLongA(gRemote, GWL_STYLE), ex = GetWindowLongA(gRemote, GWL_EXSTYLE);
    std::printf("position %ld %ld\n", w.left, w.top);
    std::printf("client %ld %ld\n", c.right, c.bottom);
    std::printf("border %s\n", (style & WS_THICKFRAME) ? "sizable" : (style & WS_BORDER) ? "single" : "none");
    std::printf("boxes%s%s%s\n", (style & WS_SYSMENU) ? " system" : "", (style & WS_MINIMIZEBOX) ? " minimize" : "",
                (style & WS_MAXIMIZEBOX) ? " maximize" : "");
    std::printf("topmost %s\n", (ex & WS_EX_TOPMOST) ? "yes" : "no");
    std::printf("caption %s\n", Text(gRemote).c_str());
    BYTE alpha = 255;
    DWORD flags = 0;
    if (!(ex & WS_EX_LAYERED))
        std::printf("opaque\n");
    else if (GetLayeredWindowAttributes(gRemote, nullptr, &alpha, &flags) && (flags & LWA_ALPHA))
        std::printf("layered alpha %u\n", alpha);
    else
        std::printf("layered without alpha\n");
    return 0;
}

std::string Format(const char* fmt, ...) {
    char buf[1024];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(buf, sizeof buf, fmt, args);
    va_end(args);
    return buf;
}

using Lines = std::vector<std::string>;

Lines ButtonLines() {
    Lines out;
    for (HWND c : Children(gRemote)) {
        RECT r = ClientRectOf(c, gRemote);
        bool tab = (GetWindowLongA(c, GWL_STYLE) & WS_TABSTOP) != 0;
        out.push_back(Format("%ld %ld %ld %ld %s %s", r.left, r.top, r.right - r.left, r.bottom - r.top,
                             tab ? "tab" : "-", Text(c).c_str()));
    }
    return out;
}

int Click(const char* caption, bool wait) {
    HWND b = Button(caption);
    if (!b) return 1;
    if (wait)
        SendMessageA(b, BM_CLICK, 0, 0);
    else
        PostMessageA(b, BM_CLICK, 0, 0);
    return 0;
}

// The tooltip control owned by the remote control window.
struct OwnedBy {
    HWND owner;
    HWND w;
};
BOOL CALLBACK FindTooltip(HWND w, LPARAM lp) {
    auto* f = reinterpret_cast<OwnedBy*>(lp);
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (_stricmp(cls, "tooltips_class32") == 0 && GetWindow(w, GW_OWNER) == f->owner) {
        f->w = w;
        return FALSE;
    }
    return TRUE;
}

// The tools' texts live in the remote control's memory: the request and its answer are
// placed there and read back. False when they cannot be read.
bool HintLines(Lines& out) {
    OwnedBy f{gRemote, nullptr};
    EnumWindows(FindTooltip, reinterpret_cast<LPARAM>(&f));
    if (!f.w) {
        std::fprintf(stderr, "rcwin: no tooltip control\n");
        return false;
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(gRemote, &pid);
    HANDLE proc = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!proc) return false;
    const SIZE_T textOffset = 256, bytes = 4096;
    auto* mem = static_cast<char*>(VirtualAllocEx(proc, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE));
    if (!mem) return false;
    LRESULT count = SendMessageA(f.w, TTM_GETTOOLCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        TOOLINFOA ti{};
        ti.cbSize = TTTOOLINFOA_V1_SIZE;
        ti.lpszText = mem + textOffset;
        char text[bytes - textOffset] = {};
        WriteProcessMemory(proc, mem, &ti, sizeof ti, nullptr);
        WriteProcessMemory(proc, mem + textOffset, text, sizeof text, nullptr);
        if (!SendMessageA(f.w, TTM_ENUMTOOLSA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(mem))) continue;
        ReadProcessMemory(proc, mem, &ti, sizeof ti, nullptr);
        ReadProcessMemory(proc, mem + textOffset, text, sizeof text - 1, nullptr);
        HWND tool = (ti.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(ti.uId) : nullptr;
        out.push_back((tool ? Text(tool) : std::string("(not a window)")) + "\t" + text);
    }
    VirtualFreeEx(proc, mem, 0, MEM_RELEASE);
    CloseHandle(proc);
    return true;
}

int Print(const Lines& lines) {
    for (const std::string& l : lines) std::printf("%s\n", l.c_str());
    return 0;
}

// The live lines against those the table gives; every line that differs is printed.
int Check(const char* what) {
    Lines live, want;
    const bool buttons = !std::strcmp(what, "buttons");
    if (buttons)
        live = ButtonLines();
    else if (!HintLines(live))
        return 1;
    for (const rc::ButtonSpec& b : rc::kButtons)
        want.push_back(buttons ? Format("%d %d %d %d tab %s", b.x, b.y, b.cx, b.cy, b.caption)
                               : std::string(b.caption) + "\t" + b.hint);
    int bad = 0;
    for (size_t i = 0; i < live.size() || i < want.size(); ++i) {
        const std::string got = i < live.size() ? live[i] : "(none)", wanted = i < want.size() ? want[i] : "(none)";
        if (got == wanted) continue;
        std::printf("%zu: got '%s', wanted '%s'\n", i + 1, got.c_str(), wanted.c_str());
        bad = 1;
    }
    return bad;
}

// The mouse rests on the button until its tooltip shows; prints the tip's screen rectangle.
int Hover(const char* caption) {
    HWND b = Button(caption);
    if (!b) return 1;
    RECT r{};
    GetWindowRect(b, &r);
    HWND tip = nullptr;
    // Each move restarts the tip's delay: move, then keep still (once more after 3 s
    // in case the first move came before the window could take it).
    for (int i = 0; i < 100 && !tip; ++i) {
        if (i % 30 == 0) MouseTo({(r.left + r.right) / 2 + i / 30, (r.top + r.bottom) / 2});
        Sleep(100);
        tip = VisibleTopLevel("tooltips_class32", gRemote);
    }
    if (!tip) {
        std::fprintf(stderr, "rcwin: no tooltip showed over '%s'\n", caption);
        return 1;
    }
    RECT t{};
    GetWindowRect(tip, &t);
    std::printf("%ld %ld %ld %ld\n", t.left, t.top, t.right, t.bottom);
    return 0;
}

int RightClick(const char* where) {
    POINT p{};
    if (std::strchr(where, ',') && where[0] >= '0' && where[0] <= '9') {
        p = {std::atoi(where), std::atoi(std::strchr(where, ',') + 1)};
        ClientToScreen(gRemote, &p);
    } else {
        HWND b = Button(where);
        if (!b) return 1;
        RECT r{};
        GetWindowRect(b, &r);
        p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    MouseTo(p);
    MouseTo(p, MOUSEEVENTF_RIGHTDOWN);
    MouseTo(p, MOUSEEVENTF_RIGHTUP);
    HWND menu = nullptr;
    if (!WaitFor([&] { return (menu = VisibleTopLevel("#32768", nullptr)) != nullptr; }, 100)) {
        std::fprintf(stderr, "rcwin: no popup menu\n");
        return 1;
    }
    RECT m{};
    GetWindowRect(menu, &m);
    std::printf("%ld %ld\n", m.left - p.x, m.top - p.y);
    return 0;
}

int Menu(const char* key) {
    if (!VisibleTopLevel("#32768", nullptr)) {
        std::fprintf(stderr, "rcwin: no popup menu open\n");
        return 1;
    }
    // The menu's own loop reads the remote control's queue.
    if (!std::strcmp(key, "esc")) {
        PostMessageA(gRemote, WM_KEYDOWN, VK_ESCAPE, 0);
    } else {
        PostMessageA(gRemote, WM_CHAR, static_cast<WPARAM>(key[0]), 0);
    }
    return WaitFor([] { return !VisibleTopLevel("#32768", nullptr); }) ? 0 : 1;
}

HWND AboutWindow() { return FindWindowA("TAboutBox", nullptr); }

int About() {
    HWND a = AboutWindow();
    if (!a) return 1;
    RECT w{}, c{};
    GetWindowRect(a, &w);
    GetClientRect(a, &c);
    int dx = (GetSystemMetrics(SM_CXSCREEN) - (w.right - w.left)) / 2 - w.left;
    int dy = (GetSystemMetrics(SM_CYSCREEN) - (w.bottom - w.top)) / 2 - w.top;
    std::printf("%s\n", IsWindowVisible(a) ? "shown" : "hidden");
    std::printf("caption %s\n", Text(a).c_str());
    std::printf("client %ld %ld\n", c.right, c.bottom);
    std::printf("centred %s\n", (std::abs(dx) <= 1 && std::abs(dy) <= 1) ? "yes" : "no");
    std::printf("remote %s\n", IsWindowEnabled(gRemote) ? "enabled" : "disabled");
    for (HWND ch : Children(a)) {
        RECT r = ClientRectOf(ch, a);
        std::printf("%ld %ld %ld %ld %s\n", r.left, r.top, r.right, r.bottom, Text(ch).c_str());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    gRemote = FindWindowA("TfrmMovRc2", nullptr);
    if (!gRemote) {
        std::fprintf(stderr, "rcwin: no TfrmMovRc2 window\n");
        return 1;
    }
    const char* what = argc > 1 ? argv[1] : "window";
    if (!std::strcmp(what, "window")) return Window();
    if (!std::strcmp(what, "buttons")) return Print(ButtonLines());
    if (!std::strcmp(what, "check") && argc > 2) return Check(argv[2]);
    if (!std::strcmp(what, "click") && argc > 2) return Click(argv[2], true);
    if (!std::strcmp(what, "post") && argc > 2) return Click(argv[2], false);
    Lines hints;
    if (!std::strcmp(what, "hints")) return HintLines(hints) ? Print(hints) : 1;
    if (!std::strcmp(what, "hover") && argc > 2) return Hover(argv[2]);
    if (!std::strcmp(what, "rclick") && argc > 2) return RightClick(argv[2]);
    if (!std::strcmp(what, "menu") && argc > 2) return Menu(argv[2]);
    if (!std::strcmp(what, "about")) return About();
    if (!std::strcmp(what, "aboutok")) {
        HWND a = AboutWindow();
        if (!a) return 1;
        PostMessageA(GetDlgItem(a, IDOK), BM_CLICK, 0, 0);
        return WaitFor([a] { return !IsWindowVisible(a); }) ? 0 : 1;
    }
    std::fprintf(stderr, "rcwin: unknown request '%s'\n", what);
    return 2;
}
