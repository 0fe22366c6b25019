// movwin WHAT: looks at (or nudges) the running Movani32's main window for the e2e tests.
//   state          "hidden", "minimized" or "normal"
//   restore        ShowWindow(SW_RESTORE), then waits until the window is restored
//   controls       one line per child of the view: id class left top right bottom text
//   items ID       the strings of the view's list box ID, one a line
//   selection ID   the selected index of list box ID (-1 for none)
//   endsession     WM_QUERYENDSESSION, then WM_ENDSESSION with TRUE, as Windows sends at log-off
//   taskbar        the shell's "TaskbarCreated" message, as after the shell restarted
//   traydel        removes the tray icon behind the program's back (as a dying shell would)
//   intray         exit 0 when the shell holds the program's tray icon
//   title          the main window's caption
//   text ID        the text of the view's control ID (the countdown is 65535)
//   shortcut LNK TARGET   saves a shell shortcut LNK to TARGET (needs no window)
//   link LNK       reads a shell shortcut: its target, arguments and start folder, a line each
//   version FILE   a file's version resource: "fixed FILEVERSION PRODUCTVERSION", then per
//                  language "LANGCP FileVersion ProductVersion FileDescription"
//   click X Y BUTTON      a real click of BUTTON (left, right, middle) at screen point X,Y
//                         through SendInput, as the user's mouse makes it (needs no window)
//   hold           stays until the Wine server ends, a user of the desktop with an icon in
//                  its tray (needs no window)
// Texts are printed in the program's code page. Exit 1 when there is no window.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

HWND View(HWND frame) { return GetDlgItem(frame, 59648); }

BOOL CALLBACK PrintChild(HWND w, LPARAM lp) {
    HWND view = reinterpret_cast<HWND>(lp);
    if (GetParent(w) != view) return TRUE;
    char cls[64] = {}, text[512] = {};
    GetClassNameA(w, cls, sizeof cls);
    GetWindowTextA(w, text, sizeof text);
    RECT r{};
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, view, reinterpret_cast<POINT*>(&r), 2);
    std::printf("%d %s %ld %ld %ld %ld %s\n", GetDlgCtrlID(w) & 0xFFFF, cls, r.left, r.top, r.right, r.bottom, text);
    return TRUE;
}

NOTIFYICONDATAA TrayRecord(HWND view) {
    NOTIFYICONDATAA nid{};
    nid.cbSize = static_cast<DWORD>(offsetof(NOTIFYICONDATAA, szTip) + 64);
    nid.hWnd = view;
    nid.uID = 128;
    return nid;
}

// Runs `use(link, file, widePath)` on a fresh shell link object; 3 when COM fails or
// `use` says false.
template <class Use>
int WithShellLink(const char* lnk, Use use) {
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    int rc = 3;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        wchar_t wide[MAX_PATH * 2] = {};
        MultiByteToWideChar(CP_ACP, 0, lnk, -1, wide, MAX_PATH * 2);
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            if (use(link, file, wide)) rc = 0;
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return rc;
}

int SaveShortcut(const char* lnk, const char* target) {
    return WithShellLink(lnk, [target](IShellLinkA* link, IPersistFile* file, const wchar_t* wide) {
        return SUCCEEDED(link->SetPath(target)) && SUCCEEDED(file->Save(wide, TRUE));
    });
}

int ReadShortcut(const char* lnk) {
    return WithShellLink(lnk, [](IShellLinkA* link, IPersistFile* file, const wchar_t* wide) {
        char target[MAX_PATH] = {}, args[MAX_PATH] = {}, dir[MAX_PATH] = {};
        if (FAILED(file->Load(wide, STGM_READ)) || FAILED(link->GetPath(target, MAX_PATH, nullptr, 0)) ||
            FAILED(link->GetArguments(args, MAX_PATH)) || FAILED(link->GetWorkingDirectory(dir, MAX_PATH)))
            return false;
        std::printf("%s\n%s\n%s\n", target, args, dir);
        return true;
    });
}

int PrintVersion(const char* path) {
    DWORD ignored = 0, size = GetFileVersionInfoSizeA(path, &ignored);
    if (!size) return 3;
    std::string data(size, '\0');
    if (!GetFileVersionInfoA(path, 0, size, &data[0])) return 3;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    if (!VerQueryValueA(&data[0], "\\", reinterpret_cast<void**>(&fixed), &len) || !fixed) return 3;
    auto dotted = [](DWORD ms, DWORD ls) {
        char text[32];
        std::snprintf(text, sizeof text, "%u.%u.%u.%u", unsigned(HIWORD(ms)), unsigned(LOWORD(ms)), unsigned(HIWORD(ls)),
                      unsigned(LOWORD(ls)));
        return std::string(text);
    };
    std::printf("fixed %s %s\n", dotted(fixed->dwFileVersionMS, fixed->dwFileVersionLS).c_str(),
                dotted(fixed->dwProductVersionMS, fixed->dwProductVersionLS).c_str());
    WORD* langs = nullptr;
    if (!VerQueryValueA(&data[0], "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&langs), &len)) return 0;
    for (UINT i = 0; i < len / (2 * sizeof(WORD)); ++i) {  // language and code page, a pair each
        char block[16];
        std::snprintf(block, sizeof block, "%04X%04X", langs[2 * i], langs[2 * i + 1]);
        std::printf("%s", block);
        for (const char* name : {"FileVersion", "ProductVersion", "FileDescription"}) {
            std::string key = std::string("\\StringFileInfo\\") + block + "\\" + name;
            char* text = nullptr;
            UINT n = 0;
            bool ok = VerQueryValueA(&data[0], key.c_str(), reinterpret_cast<void**>(&text), &n) && text;
            std::printf(" %s", ok ? text : "-");
        }
        std::printf("\n");
    }
    return 0;
}


int Click(int x, int y, const char* button) {
    const DWORD down = !std::strcmp(button, "left")    ? MOUSEEVENTF_LEFTDOWN
                     : !std::strcmp(button, "right")   ? MOUSEEVENTF_RIGHTDOWN
                     : !std::strcmp(button, "middle")  ? MOUSEEVENTF_MIDDLEDOWN
                                                       : 0;
    if (!down) return 2;
    INPUT in[3] = {};
    for (INPUT& i : in) {
        i.type = INPUT_MOUSE;
        i.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        i.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        i.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    }
    in[1].mi.dwFlags |= down;
    in[2].mi.dwFlags |= down << 1;  // each button's up flag follows its down flag
    return SendInput(3, in, sizeof in[0]) == 3 ? 0 : 3;
}

}  // namespace

// Wine closes a virtual desktop one second after its last program has left; a program that
// starts just then attaches to the closing desktop and loses its window with it. A thread
// with a hidden window keeps the shared desktop in use between the tests. Its tray icon keeps
// Wine's taskbar up from the start: the taskbar shows while any icon is in the tray, and a
// killed program's icon stays, so without one of ours it would depend on what ran before.
int HoldDesktop() {
    HWND w = CreateWindowExA(0, "STATIC", "movwin hold", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (!w) return 1;
    NOTIFYICONDATAA icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = w;
    icon.uID = 1;
    icon.uFlags = NIF_ICON;
    icon.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    for (int i = 0; i < 100 && !Shell_NotifyIconA(NIM_ADD, &icon); ++i) Sleep(100);  // the shell may still be starting
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}

int main(int argc, char** argv) {
    if (argc > 1 && !std::strcmp(argv[1], "hold")) return HoldDesktop();
    if (argc > 4 && !std::strcmp(argv[1], "click")) return Click(std::atoi(argv[2]), std::atoi(argv[3]), argv[4]);
    if (argc > 3 && !std::strcmp(argv[1], "shortcut")) return SaveShortcut(argv[2], argv[3]);
    if (argc > 2 && !std::strcmp(argv[1], "link")) return ReadShortcut(argv[2]);
    if (argc > 2 && !std::strcmp(argv[1], "version")) return PrintVersion(argv[2]);
    HWND frame = FindWindowA("MovaniClass", nullptr);
    if (!frame) {
        std::fprintf(stderr, "movwin: no MovaniClass window\n");
        return 1;
    }
    const char* what = argc > 1 ? argv[1] : "state";
    HWND view = View(frame);
    if (!std::strcmp(what, "state")) {
        std::printf("%s\n", !IsWindowVisible(frame) ? "hidden" : IsIconic(frame) ? "minimized" : "normal");
    } else if (!std::strcmp(what, "restore")) {
        ShowWindow(frame, SW_RESTORE);
        for (int i = 0; i < 100 && IsIconic(frame); ++i) Sleep(100);
        return IsIconic(frame) ? 3 : 0;
    } else if (!std::strcmp(what, "controls")) {
        EnumChildWindows(view, PrintChild, reinterpret_cast<LPARAM>(view));
    } else if (!std::strcmp(what, "items") && argc > 2) {
        int id = std::atoi(argv[2]);
        LRESULT n = SendDlgItemMessageA(view, id, LB_GETCOUNT, 0, 0);
        // Across processes Wine hands list box text over intact only in its wide form.
        for (LRESULT i = 0; i < n; ++i) {
            wchar_t wide[1024] = {};
            char text[2048] = {};
            if (SendDlgItemMessageW(view, id, LB_GETTEXTLEN, i, 0) < 1024)
                SendDlgItemMessageW(view, id, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide));
            WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
            std::printf("%s\n", text);
        }
    } else if (!std::strcmp(what, "selection") && argc > 2) {
        std::printf("%ld\n", static_cast<long>(SendDlgItemMessageA(view, std::atoi(argv[2]), LB_GETCURSEL, 0, 0)));
    } else if (!std::strcmp(what, "endsession")) {
        LRESULT ok = SendMessageA(frame, WM_QUERYENDSESSION, 0, 0);
        if (IsWindow(frame)) SendMessageA(frame, WM_ENDSESSION, ok ? TRUE : FALSE, 0);
        std::printf("%s\n", ok ? "agreed" : "refused");
    } else if (!std::strcmp(what, "taskbar")) {
        SendMessageA(frame, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    } else if (!std::strcmp(what, "traydel")) {
        NOTIFYICONDATAA nid = TrayRecord(view);
        return Shell_NotifyIconA(NIM_DELETE, &nid) ? 0 : 3;
    } else if (!std::strcmp(what, "intray")) {
        // A change of nothing but the tip succeeds only for an icon the shell knows.
        NOTIFYICONDATAA nid = TrayRecord(view);
        nid.uFlags = NIF_TIP;
        lstrcpyA(nid.szTip, "MovAni32");
        return Shell_NotifyIconA(NIM_MODIFY, &nid) ? 0 : 3;
    } else if (!std::strcmp(what, "title")) {
        char text[1024] = {};
        GetWindowTextA(frame, text, sizeof text);
        std::printf("%s\n", text);
    } else if (!std::strcmp(what, "text") && argc > 2) {
        char text[1024] = {};
        GetDlgItemTextA(view, std::atoi(argv[2]), text, sizeof text);
        std::printf("%s\n", text);
    } else {
        std::fprintf(stderr, "movwin: unknown request '%s'\n", what);
        return 2;
    }
    return 0;
}
