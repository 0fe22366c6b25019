// Entry point of our libraries that Windows 95, 98 and Me load, used instead of the MinGW
// start-up code: that code gives every library a thread-local-storage directory, and Windows 9x
// refuses to load such a library with LoadLibrary (ERROR_DLL_INIT_FAILED). This does the part of its
// work our libraries need: relocations, static constructors (which also register the unwind
// tables for exceptions), and on unloading the functions they registered with atexit.
#include <windows.h>
#include "components/runtime/library_unload.h"

extern "C" void __main(void);                     // runs the static constructors
extern "C" void _pei386_runtime_relocator(void);  // applies the runtime relocations

namespace {

using ExitFn = void (*)(void);

// The registered functions, newest first; a library registers only a handful.
struct ExitEntry {
    ExitFn fn;
    ExitEntry* next;
};
ExitEntry* g_exits = nullptr;
CRITICAL_SECTION g_exitLock;

void RunExits() {
    for (;;) {
        EnterCriticalSection(&g_exitLock);
        ExitEntry* e = g_exits;
        if (e) g_exits = e->next;
        LeaveCriticalSection(&g_exitLock);
        if (!e) return;
        ExitFn fn = e->fn;
        HeapFree(GetProcessHeap(), 0, e);
        fn();
    }
}

}  // namespace

// Takes the place of the C library's atexit, which would run our functions when the program
// ends, long after the library is gone. -1 when there is no memory for the entry.
extern "C" int atexit(ExitFn fn) {
    auto* e = static_cast<ExitEntry*>(HeapAlloc(GetProcessHeap(), 0, sizeof(ExitEntry)));
    if (!e) return -1;
    EnterCriticalSection(&g_exitLock);
    e->fn = fn;
    e->next = g_exits;
    g_exits = e;
    LeaveCriticalSection(&g_exitLock);
    return 0;
}

extern "C" BOOL WINAPI DllEntry9x(HINSTANCE, DWORD reason, LPVOID reserved) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        InitializeCriticalSection(&g_exitLock);
        _pei386_runtime_relocator();
        __main();
        break;
    case DLL_PROCESS_DETACH:
        RunExits();
        ReleaseRuntimeOnUnload(reserved);
        DeleteCriticalSection(&g_exitLock);
        break;
    default:
        break;
    }
    return TRUE;
}
