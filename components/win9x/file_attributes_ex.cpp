// lhasa asks GetFileAttributesExA whether a path is a folder, which the first Windows 95 lacks
// (Windows 98 and NT 4.0 have it). Defining its import slot here, as ansi_imports.cpp does,
// keeps the import out of the file: the real function is found at run time, and without it
// the attributes come from GetFileAttributesA and the times and size from FindFirstFileA.
#include <windows.h>
#include <cstring>

namespace {

using AttributesExFn = BOOL(WINAPI*)(LPCSTR, GET_FILEEX_INFO_LEVELS, LPVOID);

BOOL WINAPI FileAttributesEx(LPCSTR name, GET_FILEEX_INFO_LEVELS level, LPVOID info) {
    // Looked up on each call: no guarded static in a library without the runtime's start-up.
    const auto real = reinterpret_cast<AttributesExFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetFileAttributesExA")));
    if (real) return real(name, level, info);
    if (level != GetFileExInfoStandard || !name || !info) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DWORD attributes = GetFileAttributesA(name);
    if (attributes == INVALID_FILE_ATTRIBUTES) return FALSE;
    auto* data = static_cast<WIN32_FILE_ATTRIBUTE_DATA*>(info);
    *data = WIN32_FILE_ATTRIBUTE_DATA{};
    data->dwFileAttributes = attributes;
    // A root or a name with wildcards has no entry of its own to read: only the attributes.
    if (!std::strchr(name, '*') && !std::strchr(name, '?')) {
        WIN32_FIND_DATAA found;
        HANDLE h = FindFirstFileA(name, &found);
        if (h != INVALID_HANDLE_VALUE) {
            FindClose(h);
            data->ftCreationTime = found.ftCreationTime;
            data->ftLastAccessTime = found.ftLastAccessTime;
            data->ftLastWriteTime = found.ftLastWriteTime;
            data->nFileSizeHigh = found.nFileSizeHigh;
            data->nFileSizeLow = found.nFileSizeLow;
        }
    }
    return TRUE;
}

}  // namespace

// The import slot by its i686 name ("__imp_" and the decorated function name).
extern "C" {
BOOL(WINAPI* importGetFileAttributesExA)(LPCSTR, GET_FILEEX_INFO_LEVELS, LPVOID)
    __asm__("__imp__GetFileAttributesExA@12") = FileAttributesEx;
}
