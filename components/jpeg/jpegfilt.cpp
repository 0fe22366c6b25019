// jpegfilt.dll: JpegToBmp(jpeg path, bitmap path), caller-cleaned, 1 on success and 0 on failure.
#include <windows.h>
#include "components/jpeg/convert_file.h"

extern "C" __declspec(dllexport) int __cdecl JpegToBmp(const char* jpegPath, const char* bmpPath) {
    if (jpegPath == nullptr || bmpPath == nullptr) return 0;
    try {  // nothing may escape into the caller
        return jpeg::ConvertJpegFile(jpeg::HostFileSystem(), jpegPath, bmpPath) == jpeg::FileStatus::kOk ? 1 : 0;
    } catch (...) {
        return 0;
    }
}
