// BMP writers: bottom-up BI_RGB files of 24 or 32 bits, streamed by rows (into a file or
// any sink) or whole.
#include <cstdio>
#include <cstring>
#include <new>

#include "image/bmp.h"
#include "image/byte_source.h"

namespace mov {

namespace {

void Put16(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::uint8_t* p, std::uint32_t v) {
    Put16(p, v & 0xFFFF);
    Put16(p + 2, v >> 16);
}

// 24 or 32 bits and at most kMaxPixels, as every bitmap we make (so well within the
// format's 32-bit size fields).
bool ValidShape(int width, int height, int bits) {
    return width > 0 && height > 0 && (bits == 24 || bits == 32) &&
           std::uint64_t(width) * std::uint64_t(height) <= kMaxPixels;
}

// Within BmpFileSize's bounds the stride fits a size_t even on 32-bit systems.
std::size_t StrideOf(int width, int bits) {
    return static_cast<std::size_t>((std::uint64_t(width) * std::uint64_t(bits) + 31) / 32 * 4);
}

// File header and BITMAPINFOHEADER for a bottom-up BI_RGB bitmap.
void MakeHeaders(std::uint8_t* h, int width, int height, int bits) {
    const std::uint32_t image = static_cast<std::uint32_t>(StrideOf(width, bits) * std::size_t(height));
    std::memset(h, 0, kBmpHeadersSize);
    h[0] = 'B';
    h[1] = 'M';
    Put32(h + 2, kBmpHeadersSize + image);
    Put32(h + 10, kBmpHeadersSize);
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

// A file by path, written through the C library's buffer; it seeks only when a row is
// not where the last one ended.
class BmpWriter::FileSink : public ByteSink {
public:
    explicit FileSink(const char* path) : path_(path, path + std::strlen(path) + 1), file_(std::fopen(path, "wb")) {
        if (file_) std::setvbuf(file_, nullptr, _IOFBF, 64 * 1024);
    }
    ~FileSink() override {
        if (file_) Discard();  // never finished
    }

    bool ok() const { return file_ != nullptr; }
    bool WriteAt(std::uint64_t offset, const void* data, std::size_t size) override {
        if (offset != position_ && !SeekFile(file_, offset)) return false;
        position_ = offset;
        if (std::fwrite(data, 1, size, file_) != size) return false;
        position_ += size;
        return true;
    }
    // Flushes and closes; true when everything reached the disk. The file stays.
    bool Finish() {
        const bool flushed = std::fflush(file_) == 0 && !std::ferror(file_);
        const bool closed = std::fclose(file_) == 0;
        file_ = nullptr;
        return flushed && closed;
    }
    // Closes (when still open) and removes the file.
    void Discard() {
        if (file_) std::fclose(file_);
        file_ = nullptr;
        std::remove(path_.data());
    }

private:
    std::vector<char> path_;
    std::FILE* file_ = nullptr;
    std::uint64_t position_ = 0;
};

std::uint64_t BmpFileSize(int width, int height, int bitsPerPixel) {
    if (width <= 0 || height <= 0 || bitsPerPixel <= 0) return 0;
    // 64-bit arithmetic: sides up to 2^31 are far beyond what the size fields hold.
    const std::uint64_t stride = (std::uint64_t(width) * std::uint64_t(bitsPerPixel) + 31) / 32 * 4;
    const std::uint64_t size = kBmpHeadersSize + stride * std::uint64_t(height);
    return size > 0xFFFFFFFFu ? 0 : size;
}

BmpWriter::BmpWriter() = default;
BmpWriter::~BmpWriter() { Abandon(); }

void BmpWriter::Abandon() {
    if (file_) file_->Discard();
    file_.reset();
    sink_ = nullptr;
}

BmpStatus BmpWriter::Open(const char* path, int width, int height, int bitsPerPixel) {
    Abandon();
    if (!path || !ValidShape(width, height, bitsPerPixel)) return BmpStatus::BadArgument;
    file_ = std::make_unique<FileSink>(path);
    if (!file_->ok()) {
        file_.reset();
        return BmpStatus::OpenFailed;
    }
    return Start(*file_, width, height, bitsPerPixel);
}

BmpStatus BmpWriter::Open(ByteSink& sink, int width, int height, int bitsPerPixel) {
    Abandon();
    return ValidShape(width, height, bitsPerPixel) ? Start(sink, width, height, bitsPerPixel) : BmpStatus::BadArgument;
}

// The headers go out at once; on any failure the writer is closed again.
BmpStatus BmpWriter::Start(ByteSink& sink, int width, int height, int bitsPerPixel) {
    try {
        stride_ = StrideOf(width, bitsPerPixel);
        row_.assign(stride_, 0);
        done_.assign(static_cast<std::size_t>(height), false);
    } catch (const std::bad_alloc&) {
        Abandon();
        return BmpStatus::NoMemory;
    }
    width_ = width;
    height_ = height;
    bits_ = bitsPerPixel;
    rowsDone_ = 0;
    failed_ = false;
    std::uint8_t h[kBmpHeadersSize];
    MakeHeaders(h, width, height, bitsPerPixel);
    if (!sink.WriteAt(0, h, sizeof h)) {
        Abandon();
        return BmpStatus::WriteFailed;
    }
    sink_ = &sink;
    return BmpStatus::Ok;
}

BmpStatus BmpWriter::WriteRow(int y, const std::uint8_t* bgr) {
    if (!sink_ || failed_) return BmpStatus::WriteFailed;
    if (y < 0 || y >= height_ || !bgr) return BmpStatus::BadArgument;
    const std::uint64_t at = kBmpHeadersSize + std::uint64_t(stride_) * std::uint64_t(height_ - 1 - y);
    EncodeRow(bgr, width_, bits_, row_.data());
    if (!sink_->WriteAt(at, row_.data(), stride_)) {
        failed_ = true;
        return BmpStatus::WriteFailed;
    }
    MarkDone(y, 1);
    return BmpStatus::Ok;
}

void BmpWriter::MarkDone(int top, int count) {
    for (int y = top; y < top + count; ++y) {
        if (!done_[static_cast<std::size_t>(y)]) {
            done_[static_cast<std::size_t>(y)] = true;
            ++rowsDone_;
        }
    }
}

BmpStatus BmpWriter::WriteFileRows(int top, int count, const std::uint8_t* rows) {
    if (!sink_ || failed_) return BmpStatus::WriteFailed;
    if (bits_ != 24 || top < 0 || count < 0 || count > height_ - top || !rows) return BmpStatus::BadArgument;
    const std::uint64_t at = kBmpHeadersSize + std::uint64_t(stride_) * std::uint64_t(height_ - top - count);
    if (!sink_->WriteAt(at, rows, stride_ * static_cast<std::size_t>(count))) {
        failed_ = true;
        return BmpStatus::WriteFailed;
    }
    MarkDone(top, count);
    return BmpStatus::Ok;
}

BmpStatus BmpWriter::Close() {
    if (!sink_) return BmpStatus::WriteFailed;
    const bool complete = !failed_ && rowsDone_ == height_;
    const bool flushed = file_ ? file_->Finish() : true;
    sink_ = nullptr;
    if (complete && flushed) {
        file_.reset();  // finished: the file stays
        return BmpStatus::Ok;
    }
    Abandon();
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
    out.assign(kBmpHeadersSize + stride * static_cast<std::size_t>(bmp.height()), 0);
    MakeHeaders(out.data(), bmp.width(), bmp.height(), bitsPerPixel);
    for (int y = 0; y < bmp.height(); ++y) {
        EncodeRow(bmp.row(y), bmp.width(), bitsPerPixel,
                  out.data() + kBmpHeadersSize + stride * static_cast<std::size_t>(bmp.height() - 1 - y));
    }
    return out;
}

}  // namespace mov
