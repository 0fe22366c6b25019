// Hands the Windows desktop's wallpaper to the Linux desktop Wine draws on, through the setter
// script shipped beside the program, started as a Unix program and never waited for.
#include "engine/host_wallpaper.h"
#include <windows.h>
#include <cstdio>
#include <vector>
#include "framework/handle.h"
#include "framework/reg_key.h"

namespace mov {
namespace {

const char kScript[] = "HostWallpaper.sh";
const char kReport[] = "\\MovHost.err";  // in TEMP: what the last setter found wrong

using UnixFileName = char*(CDECL*)(LPCWSTR);
using CreateProcessWide = BOOL(WINAPI*)(LPCWSTR, LPWSTR, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL,
                                        DWORD, LPVOID, LPCWSTR, LPSTARTUPINFOW, LPPROCESS_INFORMATION);

struct Host {
    bool on = false;
    UnixFileName unixName = nullptr;
    CreateProcessWide createProcess = nullptr;
    std::string script;   // Windows path
    std::string report;   // Windows path
    std::string session;  // this run, for the setter to know its first change
    bool saidMissing = false, saidStart = false, saidReport = false;
};

void Say(bool& said, const std::string& what) {
    if (said) return;
    said = true;
    OutputDebugStringA(("Movani32: " + what + "; the Linux desktop keeps its wallpaper\n").c_str());
}

// Wine's setting of one virtual desktop for every program: a desktop name with its size.
bool VirtualDesktopConfigured() {
    fw::RegKey explorer, desktops;
    std::string name, size;
    return explorer.Open(HKEY_CURRENT_USER, "Software\\Wine\\Explorer") == ERROR_SUCCESS &&
           explorer.QueryString("Desktop", name) == ERROR_SUCCESS && !name.empty() &&
           desktops.Open(HKEY_CURRENT_USER, "Software\\Wine\\Explorer\\Desktops") == ERROR_SUCCESS &&
           desktops.QueryString(name.c_str(), size) == ERROR_SUCCESS && !size.empty();
}

// Wine is told by its ntdll export. A virtual desktop shows the wallpaper itself: Wine's X11
// driver gives its desktop window an X window of its own (also for `explorer /desktop=`),
// where on the host's desktop it is the root window and has none.
bool DrawsOnHost() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    if (!ntdll || !GetProcAddress(ntdll, "wine_get_version")) return false;
    return GetPropA(GetDesktopWindow(), "__wine_x11_whole_window") == nullptr && !VirtualDesktopConfigured();
}

Host& TheHost() {
    static Host h = [] {
        Host h;
        if (!DrawsOnHost()) return h;
        HMODULE k32 = GetModuleHandleA("kernel32.dll");
        h.unixName = reinterpret_cast<UnixFileName>(reinterpret_cast<void (*)()>(GetProcAddress(k32, "wine_get_unix_file_name")));
        h.createProcess = reinterpret_cast<CreateProcessWide>(reinterpret_cast<void (*)()>(GetProcAddress(k32, "CreateProcessW")));
        if (!h.unixName || !h.createProcess) return h;
        char exe[MAX_PATH] = "";
        DWORD n = GetModuleFileNameA(nullptr, exe, sizeof exe);
        std::string dir(exe, n);
        h.script = dir.substr(0, dir.find_last_of('\\') + 1) + kScript;
        char temp[MAX_PATH] = "";
        GetEnvironmentVariableA("TEMP", temp, sizeof temp);
        h.report = temp + std::string(kReport);
        char session[32];
        std::snprintf(session, sizeof session, "%lx", static_cast<unsigned long>(GetTickCount()));
        h.session = session;
        h.on = true;
        OutputDebugStringA("Movani32: Wine draws on the host's desktop: it gets the wallpaper too\n");
        return h;
    }();
    return h;
}

std::wstring Wide(const std::string& s, UINT codePage) {
    std::wstring w(s.size() + 1, L'\0');
    int n = MultiByteToWideChar(codePage, 0, s.c_str(), -1, &w[0], static_cast<int>(w.size()));
    w.resize(n > 0 ? n - 1 : 0);
    return w;
}

// The Unix path of a Windows path, empty when Wine knows none.
std::wstring UnixPath(const Host& h, const std::string& windowsPath) {
    char* unix = h.unixName(Wide(windowsPath, CP_ACP).c_str());
    if (!unix) return L"";
    std::wstring w = Wide(unix, CP_UTF8);
    HeapFree(GetProcessHeap(), 0, unix);
    return w;
}

// One argument as the command line's parser reads it back: quoted, a quote escaped, and
// backslashes doubled where a quote follows them.
void AppendArg(std::wstring& line, const std::wstring& arg) {
    line += L" \"";
    size_t slashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') { ++slashes; line += c; continue; }
        if (c == L'"') line.append(slashes + 1, L'\\');
        slashes = 0;
        line += c;
    }
    line.append(slashes, L'\\');
    line += L'"';
}

// What the previous setter reported, logged the first time; the report is then removed.
void ReadReport(Host& h) {
    char text[400] = "";
    DWORD got = 0;
    {
        fw::Handle f(CreateFileA(h.report.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!f) return;
        if (!ReadFile(f.get(), text, sizeof text - 1, &got, nullptr)) got = 0;
    }
    DeleteFileA(h.report.c_str());
    std::string what(text, got);
    while (!what.empty() && (what.back() == '\n' || what.back() == '\r')) what.pop_back();
    Say(h.saidReport, what);
}

// Starts the setter with these arguments (after the script and the report file) and does
// not wait: Wine runs a Unix program detached, without a window or a console.
void RunSetter(const std::vector<std::wstring>& args) {
    Host& h = TheHost();
    if (!h.on) return;
    ReadReport(h);
    if (GetFileAttributesA(h.script.c_str()) == INVALID_FILE_ATTRIBUTES) {
        Say(h.saidMissing, h.script + " is missing");
        return;
    }
    std::wstring line = L"/bin/sh";
    AppendArg(line, UnixPath(h, h.script));
    AppendArg(line, UnixPath(h, h.report));
    for (const auto& a : args) AppendArg(line, a);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION pi{};
    if (!h.createProcess(nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW | DETACHED_PROCESS, nullptr,
                         nullptr, &si, &pi)) {
        Say(h.saidStart, "/bin/sh does not start (" + std::to_string(GetLastError()) + ")");
        return;
    }
    if (pi.hThread) CloseHandle(pi.hThread);
    if (pi.hProcess) CloseHandle(pi.hProcess);
}

std::wstring SessionArg() { return Wide(TheHost().session, CP_ACP); }

}  // namespace

void ShowOnHost(const std::string& desktopPath, int tile, const std::string& style) {
    if (!TheHost().on) return;
    // The smart fits are already fitted: Smart is shown centred, Smart2 stretched.
    const wchar_t* placement = tile == 1 ? L"tile" : style == "2" ? L"stretch" : L"centre";
    std::wstring picture = UnixPath(TheHost(), desktopPath);
    if (picture.empty()) return;
    RunSetter({L"show", SessionArg(), placement, picture});
}

void RestoreHost() {
    if (!TheHost().on) return;
    RunSetter({L"restore", SessionArg()});
}

}  // namespace mov
