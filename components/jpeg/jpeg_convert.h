// JPEG to 24-bit bottom-up BMP, decoded and written a band of rows at a time.
#pragma once
#include <cstdint>
#include "components/jpeg/byte_stream.h"

namespace jpeg {

enum class ConvertStatus {
    kOk,          // the whole file was written (a truncated JPEG gives its decoded part, rest filled)
    kBadJpeg,     // not a JPEG, or one libjpeg cannot decode
    kTooLarge,    // its BMP would not fit the 32-bit size fields (or the caller's limit)
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

ConvertStatus ConvertJpegToBmp(ByteReader& in, ByteWriter& out, const ConvertOptions& options = {},
                               ConvertInfo* info = nullptr);

}  // namespace jpeg
