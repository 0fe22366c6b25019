// JPEG to 24-bit bottom-up BMP, decoded a band of rows at a time and written through
// image/'s streaming BMP writer.
#pragma once
#include <cstdint>
#include "components/jpeg/byte_stream.h"

namespace jpeg {

enum class ConvertStatus {
    kOk,          // the whole file was written (a truncated JPEG gives its decoded part, rest filled)
    kNotJpeg,     // the input does not begin as a JPEG file does (or is empty)
    kBadJpeg,     // a JPEG that libjpeg cannot decode
    kTooLarge,    // more than kMaxPixels, or a BMP beyond the caller's limit
    kWriteFailed, // the writer refused bytes
    kNoMemory,
    kCancelled,   // the progress callback asked to stop
};

// Told how far the work has got (done of total, done only growing); false stops it.
using ProgressFn = bool (*)(void* context, uint32_t done, uint32_t total);

struct ConvertOptions {
    uint64_t maxFileSize = UINT32_MAX;  // largest BMP we agree to write
    bool applyOrientation = true;       // turn the picture upright by its EXIF tag
    int scaleDenom = 1;                 // 1, 2, 4 or 8: decode at 1/scaleDenom of the size
    // Only this part of the upright picture at that scale (clipped to it); a width or height
    // of 0: all of it. Rows above it are skipped, columns beside it not decoded where the
    // file's blocks allow; the pixels are the whole conversion's.
    uint32_t regionLeft = 0;
    uint32_t regionTop = 0;
    uint32_t regionWidth = 0;
    uint32_t regionHeight = 0;
    ProgressFn progress = nullptr;      // asked at the start, after each band of rows, and while a
    void* progressContext = nullptr;    // multi-scan file is read in
};

struct ConvertInfo {
    uint32_t width = 0;   // of the written bitmap
    uint32_t height = 0;
    int orientation = 1;
};

ConvertStatus ConvertJpegToBmp(ByteReader& in, mov::ByteSink& out, const ConvertOptions& options = {},
                               ConvertInfo* info = nullptr);

// Whether `data` begins as a JPEG file does: a start-of-image marker and the next marker.
bool HasJpegSignature(const uint8_t* data, size_t size);

// What a conversion with `options` would write, from the headers alone (nothing is decoded).
struct JpegHeader {
    uint32_t width = 0;  // of the bitmap, turned upright and scaled
    uint32_t height = 0;
    int orientation = 1;
    uint16_t xDensity = 0;  // as the JFIF header gives them (0 without one)
    uint16_t yDensity = 0;
};
ConvertStatus ReadJpegHeader(ByteReader& in, JpegHeader* header, const ConvertOptions& options = {});

}  // namespace jpeg
