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
//   resources      the program's GDI and USER objects, handles and private memory (KB)
//   shortcut LNK TARGET   saves a shell shortcut LNK to TARGET (needs no window)
// Texts are printed in the program's code page. Exit 1 when there is no window.
#include <windows.h>
#include <objbase.h>
#include <psapi.h>
#include <shellapi.h>
#include <shlobj.h>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

int SaveShortcut(const char* lnk, const char* target) {
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    int rc = 3;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->SetPath(target)) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t wide[MAX_PATH * 2] = {};
            MultiByteToWideChar(CP_ACP, 0, lnk, -1, wide, MAX_PATH * 2);
            if (SUCCEEDED(file->Save(wide, TRUE))) rc = 0;
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return rc;
}

int PrintResources(HWND frame) {
    DWORD pid = 0;
    GetWindowThreadProcessId(frame, &pid);
    HANDLE p = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!p) return 3;
    DWORD handles = 0;
    GetProcessHandleCount(p, &handles);
    PROCESS_MEMORY_COUNTERS_EX mem{};
    mem.cb = sizeof mem;
    GetProcessMemoryInfo(p, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&mem), sizeof mem);
    std::printf("gdi %lu user %lu handles %lu private_kb %lu\n", GetGuiResources(p, GR_GDIOBJECTS),
                GetGuiResources(p, GR_USEROBJECTS), handles, static_cast<unsigned long>(mem.PrivateUsage / 1024));
    CloseHandle(p);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 3 && !std::strcmp(argv[1], "shortcut")) return SaveShortcut(argv[2], argv[3]);
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
    } else if (!std::strcmp(what, "resources")) {
        return PrintResources(frame);
    } else {
        std::fprintf(stderr, "movwin: unknown request '%s'\n", what);
        return 2;
    }
    return 0;
}
