// The entry point of our libraries that run on the MinGW start-up code: on FreeLibrary they
// give back what their runtime took (library_unload.h).
#include "components/runtime/library_unload.h"
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_DETACH) ReleaseRuntimeOnUnload(reserved);
    return TRUE;
}
