// JPEG to 24-bit bottom-up BMP, decoded a band of rows at a time and written through
// image/'s streaming BMP writer.
#pragma once
#include <cstdint>
#include "components/jpeg/byte_stream.h"

namespace jpeg {

enum class ConvertStatus {
    kOk,          // the whole file was written (a truncated JPEG gives its decoded part, rest filled)
    kBadJpeg,     // not a JPEG, or one libjpeg cannot decode
    kTooLarge,    // more than kMaxPixels, or a BMP beyond the caller's limit
    kWriteFailed, // the writer refused bytes
    kNoMemory,
};

struct ConvertOptions {
    uint64_t maxFileSize = UINT32_MAX;  // largest BMP we agree to write
    bool applyOrientation = true;       // turn the picture upright by its EXIF tag
};

struct ConvertInfo {
    uint32_t width = 0;   // of the written bitmap
    uint32_t height = 0;
    int orientation = 1;
};

ConvertStatus ConvertJpegToBmp(ByteReader& in, mov::ByteSink& out, const ConvertOptions& options = {},
                               ConvertInfo* info = nullptr);

}  // namespace jpeg
