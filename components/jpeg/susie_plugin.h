// The image input plug-in convention that IFJPEG.SPI follows ("00IN", 32-bit Windows picture
// plug-ins): the packed picture information, the progress callback and the exports, as the
// plug-in and its callers both see them; the results and input kinds are in plugin_core.h.
#pragma once
#include <windows.h>
#include "components/jpeg/plugin_core.h"

namespace spi {

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
