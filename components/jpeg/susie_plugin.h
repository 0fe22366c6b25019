// The image input plug-in convention that IFJPEG.SPI follows ("00IN", 32-bit Windows picture
// plug-ins): results, input kinds, the packed picture information and the progress callback,
// as the plug-in and its callers both see them.
#pragma once
#include <windows.h>

namespace spi {

enum Result {
    kNotImplemented = -1,
    kOk = 0,
    kCancelled = 1,      // the progress callback returned non-zero
    kUnknownFormat = 2,
    kCorrupt = 3,
    kNoMemory = 4,
    kMemoryError = 5,
    kReadError = 6,
    kInternalError = 8,
};

// The low three bits of `flag` say where the picture comes from.
constexpr unsigned kInputMask = 7;
constexpr unsigned kInputFile = 0;    // buf: the file's name, len: where the picture starts in it
constexpr unsigned kInputMemory = 1;  // buf: the picture's bytes, len: how many

// What IsSupported is shown: a file handle (upper word zero) or the file's first 2 KB.
constexpr unsigned kProbeSize = 2048;

#pragma pack(push, 1)
struct PictureInfo {
    long left, top;   // where the picture goes: always 0, 0
    long width, height;
    WORD xDensity, yDensity;
    short colorDepth;  // bits per pixel of GetPicture's bitmap
    HLOCAL hInfo;      // text in the picture; null when there is none
};
#pragma pack(pop)

// Non-zero return cancels the call.
using ProgressCallback = int(WINAPI*)(int done, int total, LONG_PTR data);

using GetPluginInfoFn = int(WINAPI*)(int infoNo, LPSTR buf, int bufLen);
using IsSupportedFn = int(WINAPI*)(LPCSTR fileName, ULONG_PTR handleOrHead);
using GetPictureInfoFn = int(WINAPI*)(LPCSTR buf, LONG_PTR len, unsigned flag, PictureInfo* info);
// GetPicture and GetPreview: the BITMAPINFO and the bits in LMEM_MOVEABLE local memory,
// unlocked, for the caller to LocalFree.
using GetPictureFn = int(WINAPI*)(LPCSTR buf, LONG_PTR len, unsigned flag, HLOCAL* info, HLOCAL* bits,
                                  ProgressCallback progress, LONG_PTR data);

}  // namespace spi
