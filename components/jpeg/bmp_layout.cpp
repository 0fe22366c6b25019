// 24-bit BMP header and size arithmetic.
#include "components/jpeg/bmp_layout.h"

namespace jpeg {

namespace {
void Put16(uint8_t* p, uint32_t v) { p[0] = uint8_t(v); p[1] = uint8_t(v >> 8); }
void Put32(uint8_t* p, uint32_t v) { Put16(p, v & 0xFFFF); Put16(p + 2, v >> 16); }
}  // namespace

bool MakeBmpLayout(uint32_t width, uint32_t height, uint64_t maxFileSize, BmpLayout& out) {
    if (width == 0 || height == 0) return false;
    // 64-bit arithmetic: JPEG allows 65535 x 65535, far beyond what a BMP can hold.
    uint64_t stride = (static_cast<uint64_t>(width) * 3 + 3) & ~uint64_t{3};
    uint64_t size = kBmpHeaderSize + stride * height;
    if (size > UINT32_MAX || size > maxFileSize) return false;
    out.width = width;
    out.height = height;
    out.stride = static_cast<uint32_t>(stride);
    out.fileSize = size;
    return true;
}

void WriteBmpHeader(const BmpLayout& layout, uint8_t h[kBmpHeaderSize]) {
    for (uint32_t i = 0; i < kBmpHeaderSize; ++i) h[i] = 0;
    h[0] = 'B';
    h[1] = 'M';
    Put32(h + 2, static_cast<uint32_t>(layout.fileSize));
    Put32(h + 10, kBmpHeaderSize);
    Put32(h + 14, 40);
    Put32(h + 18, layout.width);
    Put32(h + 22, layout.height);  // positive: bottom-up
    Put16(h + 26, 1);              // planes
    Put16(h + 28, 24);             // bits per pixel
    Put32(h + 34, static_cast<uint32_t>(layout.fileSize - kBmpHeaderSize));
    Put32(h + 38, 2835);           // 72 dpi
    Put32(h + 42, 2835);
}

}  // namespace jpeg
