// Windows bitmap (BMP) files: header probe, reader into a Bitmap, and writers.
//
// Reading accepts what Windows and common tools write:
//   headers  BITMAPCOREHEADER (OS/2 1.x, 12 bytes), OS/2 2.x (16..64 bytes),
//            BITMAPINFOHEADER (40) and its 52/56-byte variants, BITMAPV4HEADER (108),
//            BITMAPV5HEADER (124);
//   pixels   1, 4 and 8 bits with a palette; 16 bits 5-5-5 or BI_BITFIELDS (5-6-5 and
//            any other masks); 24 bits; 32 bits plain or BI_BITFIELDS; bottom-up and
//            top-down rows; RLE8 and RLE4 run-length files. Alpha is dropped: the
//            desktop ignores it.
//   not      embedded JPEG/PNG and other compressions (BmpStatus::Unsupported).
// Every size and offset is checked against the file before use: the file must really
// hold the pixel data a header claims before anything is allocated (for run-length
// files, a plausible amount of it), and no picture above kMaxPixels (image/bitmap.h)
// is accepted (BmpStatus::TooLarge).
//
// Writing makes bottom-up BI_RGB files with a BITMAPINFOHEADER, 24 or 32 bits per pixel
// (the fourth byte of a 32-bit pixel is 0), rows padded to 4 bytes, into a file by path
// or into any ByteSink. Paths are 8-bit strings in the system code page, as fopen takes them.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

#include "image/bitmap.h"
#include "image/byte_sink.h"

namespace mov {

enum class BmpStatus {
    Ok,
    OpenFailed,   // the file cannot be opened
    NotBmp,       // no "BM" signature or an unknown header size
    Corrupt,      // impossible sizes or fields
    Unsupported,  // a valid BMP of a kind we do not read (embedded JPEG/PNG, odd bit depth)
    TooLarge,     // more than kMaxPixels pixels
    Truncated,    // the file ends before the data its header promises
    NoMemory,
    WriteFailed,  // writing, flushing or closing failed; the partial file is removed
    BadArgument,  // a writer call with impossible arguments
};

// Short English name of a status, for test and tool messages.
const char* BmpStatusName(BmpStatus s);

// What the headers say, once they have passed every check.
struct BmpInfo {
    int width = 0;
    int height = 0;            // always positive
    int bitsPerPixel = 0;      // 1, 4, 8, 16, 24 or 32
    bool topDown = false;
    std::uint32_t headerSize = 0;
    std::uint32_t compression = 0;  // 0 BI_RGB, 1 BI_RLE8, 2 BI_RLE4, 3 BI_BITFIELDS, 6 BI_ALPHABITFIELDS
    std::uint32_t dataOffset = 0;   // where the pixel rows start
};

// File header and BITMAPINFOHEADER of the files we write; the pixel rows follow.
constexpr std::uint32_t kBmpHeadersSize = 14 + 40;

// Size of the file the writer makes, or 0 when a side is not positive or the file would
// not fit the format's 32-bit size fields.
std::uint64_t BmpFileSize(int width, int height, int bitsPerPixel);

// Header only: width, height and format, with the same checks as a full read
// (including that the file is long enough). Reads a few hundred bytes.
BmpStatus ProbeBmpFile(const char* path, BmpInfo* info);
BmpStatus ProbeBmpMemory(const void* data, std::size_t size, BmpInfo* info);

// Whole picture into *out (24-bit, top-down). On failure *out is empty.
BmpStatus ReadBmpFile(const char* path, Bitmap* out, BmpInfo* info = nullptr);
BmpStatus ReadBmpMemory(const void* data, std::size_t size, Bitmap* out, BmpInfo* info = nullptr);

// Streams a bitmap file row by row, for producers that never hold the whole picture
// (a decoder, a resampler). Rows may come in any order (y counts from the top);
// bottom-up order (y = height - 1 down to 0) writes a file without seeking. Close() checks
// that every row was written and everything reached the disk; on any failure, and when
// the writer is destroyed without a successful Close(), a file opened by path is removed,
// so a reader never finds a half-written bitmap (a sink's owner decides for itself).
// Opening replaces an existing file.
class BmpWriter {
public:
    BmpWriter();
    ~BmpWriter();
    BmpWriter(const BmpWriter&) = delete;
    BmpWriter& operator=(const BmpWriter&) = delete;

    // bitsPerPixel is 24 or 32; width x height at most kMaxPixels.
    // The headers are written at once, in one piece at offset 0.
    BmpStatus Open(const char* path, int width, int height, int bitsPerPixel);
    BmpStatus Open(ByteSink& sink, int width, int height, int bitsPerPixel);
    // bgr holds width pixels of 3 bytes (blue, green, red).
    BmpStatus WriteRow(int y, const std::uint8_t* bgr);
    // For producers that lay rows out as the file stores them (24 bits only): rows `top` to
    // `top + count - 1` in one piece, bottom row first, each `fileStride()` bytes with zero
    // padding. Written as they are, without a copy.
    BmpStatus WriteFileRows(int top, int count, const std::uint8_t* rows);
    std::size_t fileStride() const { return stride_; }
    BmpStatus Close();

private:
    class FileSink;
    BmpStatus Start(ByteSink& sink, int width, int height, int bitsPerPixel);
    void MarkDone(int top, int count);
    void Abandon();

    ByteSink* sink_ = nullptr;
    std::unique_ptr<FileSink> file_;  // when opened by path
    int width_ = 0, height_ = 0, bits_ = 0;
    std::size_t stride_ = 0;
    std::vector<std::uint8_t> row_;  // one padded file row
    std::vector<bool> done_;
    int rowsDone_ = 0;
    bool failed_ = false;
};

// The whole bitmap as a file (24 or 32 bits per pixel).
BmpStatus WriteBmpFile(const char* path, const Bitmap& bmp, int bitsPerPixel = 24);
// The same bytes in memory; empty on bad arguments.
std::vector<std::uint8_t> EncodeBmp(const Bitmap& bmp, int bitsPerPixel = 24);

}  // namespace mov
