// jpegfilt.dll: JpegToBmp(jpeg path, bitmap path), and JpegToBmpRegion, which writes only a
// part of the upright picture at a libjpeg scale. Both caller-cleaned, 1 on success and 0 on
// failure.
#include <windows.h>
#include "components/jpeg/convert_file.h"

namespace {

int Convert(const char* jpegPath, const char* bmpPath, const jpeg::ConvertOptions& options) {
    if (jpegPath == nullptr || bmpPath == nullptr) return 0;
    try {  // nothing may escape into the caller
        return jpeg::ConvertJpegFile(jpeg::HostFileSystem(), jpegPath, bmpPath, options) == jpeg::FileStatus::kOk ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

}  // namespace

extern "C" __declspec(dllexport) int __cdecl JpegToBmp(const char* jpegPath, const char* bmpPath) {
    return Convert(jpegPath, bmpPath, {});
}

// The region (left, top, width, height) is of the upright picture at 1/scaleDenom of its
// size; a width or height of 0 means all of it. A scale other than 1, 2, 4 or 8 is 1.
extern "C" int __cdecl JpegToBmpRegion(const char* jpegPath, const char* bmpPath, int left, int top, int width,
                                       int height, int scaleDenom) {
    if (left < 0 || top < 0 || width < 0 || height < 0) return 0;
    jpeg::ConvertOptions options;
    options.scaleDenom = scaleDenom;
    options.regionLeft = static_cast<uint32_t>(left);
    options.regionTop = static_cast<uint32_t>(top);
    options.regionWidth = static_cast<uint32_t>(width);
    options.regionHeight = static_cast<uint32_t>(height);
    return Convert(jpegPath, bmpPath, options);
}
