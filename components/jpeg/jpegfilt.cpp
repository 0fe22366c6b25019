// jpegfilt.dll: JpegToBmp(jpeg path, bitmap path), caller-cleaned, 1 on success and 0 on failure.
#include <windows.h>
#include "components/jpeg/convert_file.h"

extern "C" __declspec(dllexport) int __cdecl JpegToBmp(const char* jpegPath, const char* bmpPath) {
    if (jpegPath == nullptr || bmpPath == nullptr) return 0;
    jpeg::FileStatus s = jpeg::ConvertJpegFile(jpeg::HostFileSystem(), jpegPath, bmpPath);
    return s == jpeg::FileStatus::kOk ? 1 : 0;
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
    return TRUE;
}
