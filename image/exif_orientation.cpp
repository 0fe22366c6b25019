// Reads IFD0's orientation tag from an EXIF block, every offset checked against the block.
#include "image/exif_orientation.h"
#include <cstring>

namespace mov {

namespace {

struct Tiff {
    const uint8_t* p;
    size_t size;
    bool little;

    bool U16(size_t off, uint32_t& v) const {
        if (off > size || size - off < 2) return false;
        v = little ? (p[off] | p[off + 1] << 8) : (p[off] << 8 | p[off + 1]);
        return true;
    }
    bool U32(size_t off, uint32_t& v) const {
        uint32_t a, b;
        if (!U16(off, a) || !U16(off + 2, b)) return false;
        v = little ? (a | b << 16) : (a << 16 | b);
        return true;
    }
};

constexpr uint32_t kOrientationTag = 0x0112;
constexpr uint32_t kTypeShort = 3;

}  // namespace

int ExifOrientation(const uint8_t* data, size_t size) {
    if (data == nullptr || size < 6 || std::memcmp(data, "Exif\0\0", 6) != 0) return 1;
    Tiff t{data + 6, size - 6, false};
    if (t.size < 8) return 1;
    if (t.p[0] == 'I' && t.p[1] == 'I') t.little = true;
    else if (!(t.p[0] == 'M' && t.p[1] == 'M')) return 1;
    uint32_t magic, ifd, count;
    if (!t.U16(2, magic) || magic != 42 || !t.U32(4, ifd) || !t.U16(ifd, count)) return 1;
    for (uint32_t i = 0; i < count; ++i) {
        size_t entry = static_cast<size_t>(ifd) + 2 + static_cast<size_t>(i) * 12;
        uint32_t tag, type, n, value;
        if (!t.U16(entry, tag)) return 1;
        if (tag != kOrientationTag) continue;
        // A short stored in the first two bytes of the value field.
        if (!t.U16(entry + 2, type) || !t.U32(entry + 4, n) || !t.U16(entry + 8, value)) return 1;
        if (type != kTypeShort || n < 1 || value < 1 || value > 8) return 1;
        return static_cast<int>(value);
    }
    return 1;
}

}  // namespace mov
