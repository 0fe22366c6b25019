// BMP writers: bottom-up BI_RGB files of 24 or 32 bits, streamed by rows or whole.
#include <cstdio>
#include <cstring>
#include <new>

#include "image/bmp.h"
#include "image/byte_source.h"

namespace mov {

namespace {

constexpr std::uint32_t kHeadersSize = 14 + 40;

void Put16(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::uint8_t* p, std::uint32_t v) {
    Put16(p, v & 0xFFFF);
    Put16(p + 2, v >> 16);
}

bool ValidShape(int width, int height, int bits) {
    return width > 0 && height > 0 && (bits == 24 || bits == 32) &&
           std::uint64_t(width) * std::uint64_t(height) <= kMaxPixels;
}

std::size_t StrideOf(int width, int bits) {
    return (static_cast<std::size_t>(width) * static_cast<std::size_t>(bits) + 31) / 32 * 4;
}

// File header and BITMAPINFOHEADER for a bottom-up BI_RGB bitmap.
void MakeHeaders(std::uint8_t* h, int width, int height, int bits) {
    const std::uint32_t image = static_cast<std::uint32_t>(StrideOf(width, bits) * std::size_t(height));
    std::memset(h, 0, kHeadersSize);
    h[0] = 'B';
    h[1] = 'M';
    Put32(h + 2, kHeadersSize + image);
    Put32(h + 10, kHeadersSize);
    Put32(h + 14, 40);
    Put32(h + 18, static_cast<std::uint32_t>(width));
    Put32(h + 22, static_cast<std::uint32_t>(height));
    Put16(h + 26, 1);
    Put16(h + 28, static_cast<std::uint32_t>(bits));
    Put32(h + 34, image);  // compression (at 30) stays BI_RGB
}

// One row of 24-bit pixels as a padded file row; the padding is already zero.
void EncodeRow(const std::uint8_t* bgr, int width, int bits, std::uint8_t* out) {
    if (bits == 24) {
        std::memcpy(out, bgr, static_cast<std::size_t>(width) * 3);
        return;
    }
    for (int x = 0; x < width; ++x, bgr += 3, out += 4) {
        out[0] = bgr[0];
        out[1] = bgr[1];
        out[2] = bgr[2];
        out[3] = 0;
    }
}

}  // namespace

BmpWriter::~BmpWriter() { Abandon(); }

void BmpWriter::Abandon() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
        if (!path_.empty()) std::remove(path_.data());
    }
    path_.clear();
}

BmpStatus BmpWriter::Open(const char* path, int width, int height, int bitsPerPixel) {
    Abandon();
    if (!path || !ValidShape(width, height, bitsPerPixel)) return BmpStatus::BadArgument;
    try {
        path_.assign(path, path + std::strlen(path) + 1);
        stride_ = StrideOf(width, bitsPerPixel);
        row_.assign(stride_, 0);
        done_.assign(static_cast<std::size_t>(height), false);
    } catch (const std::bad_alloc&) {
        path_.clear();
        return BmpStatus::NoMemory;
    }
    file_ = std::fopen(path, "wb");
    if (!file_) {
        path_.clear();
        return BmpStatus::OpenFailed;
    }
    std::setvbuf(file_, nullptr, _IOFBF, 64 * 1024);
    width_ = width;
    height_ = height;
    bits_ = bitsPerPixel;
    rowsDone_ = 0;
    failed_ = false;
    std::uint8_t h[kHeadersSize];
    MakeHeaders(h, width, height, bitsPerPixel);
    if (std::fwrite(h, 1, sizeof h, file_) != sizeof h) {
        Abandon();
        return BmpStatus::WriteFailed;
    }
    position_ = kHeadersSize;
    return BmpStatus::Ok;
}

BmpStatus BmpWriter::WriteRow(int y, const std::uint8_t* bgr) {
    if (!file_ || failed_) return BmpStatus::WriteFailed;
    if (y < 0 || y >= height_ || !bgr) return BmpStatus::BadArgument;
    const std::uint64_t at = kHeadersSize + std::uint64_t(stride_) * std::uint64_t(height_ - 1 - y);
    if (at != position_ && !SeekFile(file_, at)) failed_ = true;
    EncodeRow(bgr, width_, bits_, row_.data());
    if (failed_ || std::fwrite(row_.data(), 1, stride_, file_) != stride_) {
        failed_ = true;
        return BmpStatus::WriteFailed;
    }
    position_ = at + stride_;
    if (!done_[static_cast<std::size_t>(y)]) {
        done_[static_cast<std::size_t>(y)] = true;
        ++rowsDone_;
    }
    return BmpStatus::Ok;
}

BmpStatus BmpWriter::Close() {
    if (!file_) return BmpStatus::WriteFailed;
    const bool complete = !failed_ && rowsDone_ == height_;
    const bool flushed = std::fflush(file_) == 0 && !std::ferror(file_);
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (complete && flushed && closed) {
        path_.clear();
        return BmpStatus::Ok;
    }
    std::remove(path_.data());
    path_.clear();
    return complete ? BmpStatus::WriteFailed : BmpStatus::BadArgument;
}

BmpStatus WriteBmpFile(const char* path, const Bitmap& bmp, int bitsPerPixel) {
    if (bmp.empty()) return BmpStatus::BadArgument;
    BmpWriter w;
    BmpStatus s = w.Open(path, bmp.width(), bmp.height(), bitsPerPixel);
    for (int y = bmp.height() - 1; s == BmpStatus::Ok && y >= 0; --y) s = w.WriteRow(y, bmp.row(y));
    return s == BmpStatus::Ok ? w.Close() : s;
}

std::vector<std::uint8_t> EncodeBmp(const Bitmap& bmp, int bitsPerPixel) {
    std::vector<std::uint8_t> out;
    if (bmp.empty() || !ValidShape(bmp.width(), bmp.height(), bitsPerPixel)) return out;
    const std::size_t stride = StrideOf(bmp.width(), bitsPerPixel);
    out.assign(kHeadersSize + stride * static_cast<std::size_t>(bmp.height()), 0);
    MakeHeaders(out.data(), bmp.width(), bmp.height(), bitsPerPixel);
    for (int y = 0; y < bmp.height(); ++y) {
        EncodeRow(bmp.row(y), bmp.width(), bitsPerPixel,
                  out.data() + kHeadersSize + stride * static_cast<std::size_t>(bmp.height() - 1 - y));
    }
    return out;
}

}  // namespace mov
