// Layout of the 24-bit bottom-up BMP files we write: header bytes, row stride, row offsets.
#pragma once
#include <cstddef>
#include <cstdint>

namespace jpeg {

constexpr uint32_t kBmpHeaderSize = 14 + 40;  // BITMAPFILEHEADER + BITMAPINFOHEADER

struct BmpLayout {
    uint32_t width = 0;
    uint32_t height = 0;
    uint32_t stride = 0;     // bytes per row, padded to 4
    uint64_t fileSize = 0;

    // Offset of the picture's row y (0 = top) in the file: rows are stored bottom-up.
    uint64_t RowOffset(uint32_t y) const {
        return kBmpHeaderSize + static_cast<uint64_t>(height - 1 - y) * stride;
    }
};

// Fills `out` for a width x height picture. Fails for an empty picture or one whose
// file would not fit the 32-bit size fields (or exceeds maxFileSize).
bool MakeBmpLayout(uint32_t width, uint32_t height, uint64_t maxFileSize, BmpLayout& out);

// The 54 header bytes for `layout`.
void WriteBmpHeader(const BmpLayout& layout, uint8_t header[kBmpHeaderSize]);

}  // namespace jpeg
