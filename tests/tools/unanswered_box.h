// Watches one process for a dialog box (a message box, a sheet) that stays up unanswered, so
// a Wine test or movsend stops with the box's caption and text instead of waiting for
// ctest's time-out. Header-only: the Wine tests' support and movsend both include it.
#pragma once
#include <windows.h>
#include <cstring>
#include <string>
#include <vector>

namespace boxwatch {

// Boxes the tests expect are answered within a second or two; one up this long is not.
constexpr DWORD kUnansweredMs = 15000;

struct Box {
    std::string caption, text;  // the text: the longest static text (Shift-JIS)
};

struct Search {
    DWORD pid;
    std::vector<HWND> found;
};

inline BOOL CALLBACK CollectDialog(HWND w, LPARAM p) {
    auto* s = reinterpret_cast<Search*>(p);
    char cls[32] = {};
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    GetClassNameA(w, cls, sizeof cls);
    if (pid == s->pid && std::strcmp(cls, "#32770") == 0 && IsWindowVisible(w)) s->found.push_back(w);
    return TRUE;
}

inline BOOL CALLBACK LongestStatic(HWND w, LPARAM p) {
    char cls[32] = {}, text[2048] = {};
    GetClassNameA(w, cls, sizeof cls);
    GetWindowTextA(w, text, sizeof text);
    auto* out = reinterpret_cast<std::string*>(p);
    if (_stricmp(cls, "Static") == 0 && std::strlen(text) > out->size()) *out = text;
    return TRUE;
}

inline Box Describe(HWND w) {
    Box b;
    char caption[256] = {};
    GetWindowTextA(w, caption, sizeof caption);
    b.caption = caption;
    EnumChildWindows(w, LongestStatic, reinterpret_cast<LPARAM>(&b.text));
    return b;
}

// A Shift-JIS text in UTF-8, for a log read on Linux.
inline std::string Utf8(const std::string& cp932) {
    int n = MultiByteToWideChar(932, 0, cp932.c_str(), -1, nullptr, 0);
    if (n <= 0) return cp932;
    std::vector<wchar_t> wide(static_cast<size_t>(n));
    MultiByteToWideChar(932, 0, cp932.c_str(), -1, wide.data(), n);
    int m = WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, nullptr, 0, nullptr, nullptr);
    if (m <= 0) return cp932;
    std::vector<char> out(static_cast<size_t>(m));
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), -1, out.data(), m, nullptr, nullptr);
    return out.data();
}

// Polls the process every 250 ms until `done` is set; a box seen up for kUnansweredMs goes
// to `onStuck`, which is expected to end the process.
struct Watch {
    DWORD pid = 0;
    volatile LONG done = 0;
    void (*onStuck)(const Box&) = nullptr;
    HANDLE thread = nullptr;
};

inline DWORD WINAPI WatchThread(void* p) {
    auto* watch = static_cast<Watch*>(p);
    struct Seen {
        HWND w;
        DWORD since;
    };
    std::vector<Seen> seen;
    while (!watch->done) {
        Search s{watch->pid, {}};
        EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&s));
        std::vector<Seen> now;
        const DWORD tick = GetTickCount();
        for (HWND w : s.found) {
            DWORD since = tick;
            for (const Seen& old : seen)
                if (old.w == w) since = old.since;
            if (tick - since >= kUnansweredMs && watch->onStuck) watch->onStuck(Describe(w));
            now.push_back({w, since});
        }
        seen.swap(now);
        Sleep(250);
    }
    return 0;
}

// Starts watching; the Watch must outlive the thread.
inline void StartWatch(Watch& watch) { watch.thread = CreateThread(nullptr, 0, WatchThread, &watch, 0, nullptr); }

// Ends the watch and waits for its thread: a process that exits under a thread still
// walking another program's windows is sometimes killed by Wine instead of ending.
inline void StopWatch(Watch& watch) {
    InterlockedExchange(&watch.done, 1);
    if (!watch.thread) return;
    WaitForSingleObject(watch.thread, 2000);
    CloseHandle(watch.thread);
    watch.thread = nullptr;
}

}  // namespace boxwatch
