// BMP reader: header validation against the file's real length, then row decoding.
#include <algorithm>
#include <cstring>
#include <new>

#include "image/bmp.h"
#include "image/byte_source.h"

namespace mov {

const char* BmpStatusName(BmpStatus s) {
    switch (s) {
    case BmpStatus::Ok: return "ok";
    case BmpStatus::OpenFailed: return "open failed";
    case BmpStatus::NotBmp: return "not a bitmap";
    case BmpStatus::Corrupt: return "corrupt";
    case BmpStatus::Unsupported: return "unsupported";
    case BmpStatus::TooLarge: return "too large";
    case BmpStatus::Truncated: return "truncated";
    case BmpStatus::NoMemory: return "out of memory";
    case BmpStatus::WriteFailed: return "write failed";
    case BmpStatus::BadArgument: return "bad argument";
    }
    return "?";
}

namespace {

constexpr std::uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiJpeg = 4, kBiPng = 5,
                        kBiAlphaBitfields = 6;
// A run-length file of n bytes may describe at most max(1 Mi, n x 1024) pixels: real
// encoders need far more bytes, and a tiny hostile file cannot make us allocate and
// fill hundreds of megabytes.
constexpr std::uint64_t kRlePixelsPerByte = 1024, kRleFreePixels = std::uint64_t(1) << 20;
constexpr std::uint32_t kFileHeaderSize = 14;

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

// One colour channel of a bit-field pixel, scaled to 8 bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    void Set(std::uint32_t m) {
        mask = m;
        shift = bits = 0;
        if (!m) return;
        while (!((m >> shift) & 1)) ++shift;
        while (shift + bits < 32 && ((m >> (shift + bits)) & 1)) ++bits;
    }
    std::uint8_t Get(std::uint32_t pixel) const {
        if (!bits) return 0;
        std::uint32_t v = (pixel & mask) >> shift;
        // Stray bits of a non-contiguous mask above the run are dropped.
        if (bits < 32) v &= (1u << bits) - 1;
        if (bits >= 8) return static_cast<std::uint8_t>(v >> (bits - 8));
        const std::uint32_t top = (1u << bits) - 1;
        return static_cast<std::uint8_t>((v * 255 + top / 2) / top);
    }
};

// Everything the decoder needs, filled in by ParseHeaders.
struct Layout {
    BmpInfo info;
    std::size_t stride = 0;     // bytes per file row, padded to 4
    std::size_t rowBytes = 0;   // bytes of pixels in a row, without the padding
    Bgr palette[256];           // entries the file does not give stay black
    Channel r, g, b;
};

// Reads and checks everything before the pixel rows.
BmpStatus ParseHeaders(ByteSource& src, Layout& L) {
    const std::uint64_t fileSize = src.Size();
    std::uint8_t fh[kFileHeaderSize + 4];
    if (!src.Seek(0) || src.Read(fh, sizeof fh) != sizeof fh) return BmpStatus::NotBmp;
    if (fh[0] != 'B' || fh[1] != 'M') return BmpStatus::NotBmp;
    const std::uint32_t offBits = U32(fh + 10);
    const std::uint32_t hsize = U32(fh + 14);
    const bool core = hsize == 12;
    if (!(core || (hsize >= 16 && hsize <= 64) || hsize == 108 || hsize == 124)) return BmpStatus::NotBmp;

    // The header padded with zeros to the 124 bytes of the largest kind, so absent
    // trailing fields of a short OS/2 2.x header read as 0.
    std::uint8_t h[124] = {};
    std::memcpy(h, fh + 14, 4);
    if (src.Read(h + 4, hsize - 4) != hsize - 4) return BmpStatus::Truncated;

    BmpInfo& info = L.info;
    info.headerSize = hsize;
    long long width, height;
    std::uint32_t colorsUsed = 0;
    if (core) {
        width = U16(h + 4);
        height = U16(h + 6);
        info.bitsPerPixel = U16(h + 10);
    } else {
        width = static_cast<std::int32_t>(U32(h + 4));
        height = static_cast<std::int32_t>(U32(h + 8));
        info.bitsPerPixel = U16(h + 14);
        info.compression = U32(h + 16);
        colorsUsed = U32(h + 32);
    }
    if (height == INT32_MIN) return BmpStatus::Corrupt;  // has no positive counterpart
    if (height < 0) {
        info.topDown = true;
        height = -height;
    }
    if (width <= 0 || height <= 0) return BmpStatus::Corrupt;
    if (std::uint64_t(width) * std::uint64_t(height) > kMaxPixels) return BmpStatus::TooLarge;
    info.width = static_cast<int>(width);
    info.height = static_cast<int>(height);

    const int bpp = info.bitsPerPixel;
    if (core ? !(bpp == 1 || bpp == 4 || bpp == 8 || bpp == 24)
             : !(bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32)) {
        // An embedded JPEG or PNG leaves the bit count 0: valid, just not ours to read.
        const bool embedded = !core && (info.compression == kBiJpeg || info.compression == kBiPng);
        return bpp == 0 && !embedded ? BmpStatus::Corrupt : BmpStatus::Unsupported;
    }

    // Colour masks: defaults for plain files, from the header or after a 40-byte one.
    std::uint32_t maskBytes = 0;
    if (info.compression == kBiBitfields || info.compression == kBiAlphaBitfields) {
        if (bpp != 16 && bpp != 32) return BmpStatus::Unsupported;
        std::uint8_t m[12];
        if (hsize == 40) {
            maskBytes = info.compression == kBiAlphaBitfields ? 16 : 12;
            if (src.Read(m, 12) != 12) return BmpStatus::Truncated;
        } else if (hsize >= 52 && hsize != 64) {
            std::memcpy(m, h + 40, 12);
        } else {
            return BmpStatus::Unsupported;  // OS/2 2.x uses this code for Huffman coding
        }
        L.r.Set(U32(m));
        L.g.Set(U32(m + 4));
        L.b.Set(U32(m + 8));
    } else if (info.compression == kBiRle8 || info.compression == kBiRle4) {
        if (bpp != (info.compression == kBiRle8 ? 8 : 4)) return BmpStatus::Unsupported;
        if (info.topDown) return BmpStatus::Corrupt;  // run-length rows are always bottom-up
    } else if (info.compression != kBiRgb) {
        return BmpStatus::Unsupported;
    } else if (bpp == 16) {
        L.r.Set(0x7C00);
        L.g.Set(0x03E0);
        L.b.Set(0x001F);
    } else if (bpp == 32) {
        L.r.Set(0xFF0000);
        L.g.Set(0x00FF00);
        L.b.Set(0x0000FF);
    }

    const std::uint64_t paletteStart = kFileHeaderSize + hsize + maskBytes;
    // Some writers leave the offset 0 or point it into the headers; the rows then
    // follow the palette.
    const bool offsetValid = offBits >= paletteStart;
    if (bpp <= 8) {
        const std::uint32_t entrySize = core ? 3 : 4;
        std::uint64_t entries = 1u << bpp;
        if (colorsUsed > 0 && colorsUsed < entries) entries = colorsUsed;
        // The palette never overlaps the rows.
        if (offsetValid) entries = std::min<std::uint64_t>(entries, (offBits - paletteStart) / entrySize);
        std::uint8_t pal[256 * 4];
        const std::size_t palBytes = static_cast<std::size_t>(entries * entrySize);
        if (!src.Seek(paletteStart) || src.Read(pal, palBytes) != palBytes) return BmpStatus::Truncated;
        for (std::uint64_t i = 0; i < entries; ++i) {
            const std::uint8_t* e = pal + i * entrySize;
            L.palette[i] = Bgr{e[0], e[1], e[2]};
        }
        info.dataOffset = offsetValid ? offBits : static_cast<std::uint32_t>(paletteStart + palBytes);
    } else {
        info.dataOffset = offsetValid ? offBits : static_cast<std::uint32_t>(paletteStart);
    }

    if (info.dataOffset > fileSize) return BmpStatus::Truncated;
    if (info.compression == kBiRle8 || info.compression == kBiRle4) {
        const std::uint64_t pixels = std::uint64_t(info.width) * std::uint64_t(info.height);
        const std::uint64_t data = fileSize - info.dataOffset;
        if (pixels > kRleFreePixels && pixels / kRlePixelsPerByte > data) return BmpStatus::Truncated;
        return BmpStatus::Ok;
    }
    // The rows must all be in the file; only the last row's padding may be missing.
    const std::uint64_t bitsPerRow = std::uint64_t(info.width) * std::uint64_t(bpp);
    L.stride = static_cast<std::size_t>((bitsPerRow + 31) / 32 * 4);
    L.rowBytes = static_cast<std::size_t>((bitsPerRow + 7) / 8);
    const std::uint64_t needed = std::uint64_t(L.stride) * (std::uint64_t(info.height) - 1) + L.rowBytes;
    if (fileSize - info.dataOffset < needed) return BmpStatus::Truncated;
    return BmpStatus::Ok;
}

// One file row (already read into `in`) to 24-bit pixels.
void DecodeRow(const Layout& L, const std::uint8_t* in, std::uint8_t* out) {
    const int w = L.info.width;
    switch (L.info.bitsPerPixel) {
    case 1:
    case 4:
    case 8: {
        const int bpp = L.info.bitsPerPixel;
        const int perByte = 8 / bpp;
        const unsigned mask = (1u << bpp) - 1;
        for (int x = 0; x < w; ++x, out += 3) {
            const int shift = 8 - bpp * (x % perByte + 1);
            const Bgr& c = L.palette[(in[x / perByte] >> shift) & mask];
            out[0] = c.b;
            out[1] = c.g;
            out[2] = c.r;
        }
        break;
    }
    case 16:
    case 32: {
        const int bytes = L.info.bitsPerPixel / 8;
        for (int x = 0; x < w; ++x, out += 3, in += bytes) {
            const std::uint32_t p = bytes == 2 ? U16(in) : U32(in);
            out[0] = L.b.Get(p);
            out[1] = L.g.Get(p);
            out[2] = L.r.Get(p);
        }
        break;
    }
    case 24:
        std::memcpy(out, in, static_cast<std::size_t>(w) * 3);
        break;
    }
}

// Buffered byte-at-a-time reading for the run-length decoder.
class ByteReader {
public:
    explicit ByteReader(ByteSource& src) : src_(src) {}
    bool Next(std::uint8_t* b) {
        if (pos_ == len_) {
            len_ = src_.Read(buf_, sizeof buf_);
            pos_ = 0;
            if (len_ == 0) return false;
        }
        *b = buf_[pos_++];
        return true;
    }

private:
    ByteSource& src_;
    std::uint8_t buf_[4096];
    std::size_t pos_ = 0, len_ = 0;
};

// RLE8 / RLE4 rows into *out (bottom-up). Pixels the data skips (end of line, delta,
// end of bitmap) keep palette entry 0; pixels beyond a row's end are dropped.
BmpStatus DecodeRle(ByteSource& src, const Layout& L, Bitmap* out) {
    const int w = L.info.width, h = L.info.height;
    const bool four = L.info.compression == kBiRle4;
    for (int y = 0; y < h; ++y) {
        std::uint8_t* p = out->row(y);
        for (int x = 0; x < w; ++x, p += 3) {
            p[0] = L.palette[0].b;
            p[1] = L.palette[0].g;
            p[2] = L.palette[0].r;
        }
    }
    ByteReader in(src);
    long long x = 0, y = 0;  // y counts from the bottom row
    auto put = [&](unsigned index) {
        if (x < w && y < h) {
            std::uint8_t* p = out->row(static_cast<int>(h - 1 - y)) + x * 3;
            const Bgr& c = L.palette[index & 0xFF];
            p[0] = c.b;
            p[1] = c.g;
            p[2] = c.r;
        }
        ++x;
    };
    std::uint8_t count, value;
    while (y < h) {
        if (!in.Next(&count) || !in.Next(&value)) return BmpStatus::Truncated;
        if (count > 0) {  // a run
            for (unsigned i = 0; i < count; ++i) put(four ? (i % 2 ? value & 0x0F : value >> 4) : value);
        } else if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of bitmap
            break;
        } else if (value == 2) {  // delta
            std::uint8_t dx, dy;
            if (!in.Next(&dx) || !in.Next(&dy)) return BmpStatus::Truncated;
            x += dx;
            y += dy;
        } else {  // absolute: `value` pixels, padded to a 16-bit boundary
            const unsigned bytes = four ? (value + 1u) / 2 : value;
            std::uint8_t b = 0;
            for (unsigned i = 0; i < value; ++i) {
                if (!four || i % 2 == 0) {
                    if (!in.Next(&b)) return BmpStatus::Truncated;
                }
                put(four ? (i % 2 ? b & 0x0F : b >> 4) : b);
            }
            if (bytes % 2 && !in.Next(&b)) return BmpStatus::Truncated;
        }
    }
    return BmpStatus::Ok;
}

BmpStatus Probe(ByteSource& src, BmpInfo* info) {
    if (!src.ok()) return BmpStatus::OpenFailed;
    Layout L;
    BmpStatus s = ParseHeaders(src, L);
    if (s == BmpStatus::Ok && info) *info = L.info;
    return s;
}

BmpStatus Read(ByteSource& src, Bitmap* out, BmpInfo* info) {
    out->Reset();
    if (!src.ok()) return BmpStatus::OpenFailed;
    Layout L;
    BmpStatus s = ParseHeaders(src, L);
    if (s != BmpStatus::Ok) return s;
    if (!out->Allocate(L.info.width, L.info.height)) return BmpStatus::NoMemory;
    if (!src.Seek(L.info.dataOffset)) {
        out->Reset();
        return BmpStatus::Truncated;
    }
    if (L.info.compression == kBiRle8 || L.info.compression == kBiRle4) {
        s = DecodeRle(src, L, out);
        if (s != BmpStatus::Ok) out->Reset();
        else if (info) *info = L.info;
        return s;
    }
    const bool direct = L.info.bitsPerPixel == 24;
    std::vector<std::uint8_t> row;
    try {
        row.resize(direct ? L.stride - L.rowBytes + 1 : L.stride);
    } catch (const std::bad_alloc&) {
        out->Reset();
        return BmpStatus::NoMemory;
    }
    const int h = L.info.height;
    for (int i = 0; i < h; ++i) {
        const int y = L.info.topDown ? i : h - 1 - i;
        const bool last = i == h - 1;
        if (direct) {
            // 24-bit rows go straight into place; then the padding is skipped.
            const std::size_t pad = last ? 0 : L.stride - L.rowBytes;
            if (src.Read(out->row(y), L.rowBytes) != L.rowBytes || src.Read(row.data(), pad) != pad) {
                out->Reset();
                return BmpStatus::Truncated;
            }
        } else {
            const std::size_t want = last ? L.rowBytes : L.stride;
            if (src.Read(row.data(), want) != want) {
                out->Reset();
                return BmpStatus::Truncated;
            }
            DecodeRow(L, row.data(), out->row(y));
        }
    }
    if (info) *info = L.info;
    return BmpStatus::Ok;
}

}  // namespace

BmpStatus ProbeBmpFile(const char* path, BmpInfo* info) {
    FileSource src(path);
    return Probe(src, info);
}

BmpStatus ProbeBmpMemory(const void* data, std::size_t size, BmpInfo* info) {
    MemorySource src(data, size);
    return Probe(src, info);
}

BmpStatus ReadBmpFile(const char* path, Bitmap* out, BmpInfo* info) {
    FileSource src(path);
    return Read(src, out, info);
}

BmpStatus ReadBmpMemory(const void* data, std::size_t size, Bitmap* out, BmpInfo* info) {
    MemorySource src(data, size);
    return Read(src, out, info);
}

}  // namespace mov
