// The runtime libraries call a few functions that Windows 95 has only as failing wide-character
// stubs, or not at all: the semaphore of the C++ runtime's mutexes, the module look-ups of the
// C library's stand-ins for newer msvcrt functions, and the lead-byte test of its multibyte
// conversion. Defining their import slots here makes the linker use these versions on the
// ANSI functions instead of importing the originals; every shipped file links them.
#include <windows.h>

namespace {

// The runtime only asks for module names and unnamed semaphores, all plain ASCII.
bool ToAnsi(LPCWSTR wide, char* out, int size) {
    return WideCharToMultiByte(CP_ACP, 0, wide, -1, out, size, nullptr, nullptr) > 0;
}

HANDLE WINAPI CreateSemaphoreAnsi(LPSECURITY_ATTRIBUTES sa, LONG initial, LONG maximum, LPCWSTR name) {
    char ansi[MAX_PATH];
    if (name && !ToAnsi(name, ansi, sizeof ansi)) return nullptr;
    return CreateSemaphoreA(sa, initial, maximum, name ? ansi : nullptr);
}

HMODULE WINAPI GetModuleHandleAnsi(LPCWSTR name) {
    char ansi[MAX_PATH];
    if (!name) return GetModuleHandleA(nullptr);
    return ToAnsi(name, ansi, sizeof ansi) ? GetModuleHandleA(ansi) : nullptr;
}

HMODULE WINAPI LoadLibraryAnsi(LPCWSTR name) {
    char ansi[MAX_PATH];
    if (!name || !ToAnsi(name, ansi, sizeof ansi)) return nullptr;
    return LoadLibraryA(ansi);
}

// The lead-byte ranges of any installed code page, from GetCPInfo.
BOOL WINAPI IsDbcsLeadByteAnsi(UINT codePage, BYTE c) {
    if (codePage == CP_ACP || codePage == GetACP()) return IsDBCSLeadByte(c);
    CPINFO info;
    if (!GetCPInfo(codePage, &info)) return FALSE;
    for (int i = 0; i + 1 < MAX_LEADBYTES && (info.LeadByte[i] || info.LeadByte[i + 1]); i += 2) {
        if (c >= info.LeadByte[i] && c <= info.LeadByte[i + 1]) return TRUE;
    }
    return FALSE;
}

}  // namespace

// The import slots, by their i686 names ("__imp_" and the decorated function name).
extern "C" {
HANDLE(WINAPI* importCreateSemaphoreW)(LPSECURITY_ATTRIBUTES, LONG, LONG, LPCWSTR)
    __asm__("__imp__CreateSemaphoreW@16") = CreateSemaphoreAnsi;
HMODULE(WINAPI* importGetModuleHandleW)(LPCWSTR) __asm__("__imp__GetModuleHandleW@4") = GetModuleHandleAnsi;
HMODULE(WINAPI* importLoadLibraryW)(LPCWSTR) __asm__("__imp__LoadLibraryW@4") = LoadLibraryAnsi;
BOOL(WINAPI* importIsDBCSLeadByteEx)(UINT, BYTE) __asm__("__imp__IsDBCSLeadByteEx@8") = IsDbcsLeadByteAnsi;
}
