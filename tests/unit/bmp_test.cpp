// BMP reader and writers against ImageMagick's files and decoding, and hostile headers.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "image/bmp.h"
#include "test_support.h"

using mov::Bitmap;
using mov::BmpInfo;
using mov::BmpStatus;
using namespace testsupport;

namespace {

// The same uncompressed INFO-family file stored top-down: rows reversed, height negated.
std::vector<std::uint8_t> TopDown(std::vector<std::uint8_t> f) {
    const std::uint32_t off = Le32(f, 10);
    const int w = static_cast<int>(Le32(f, 18)), h = static_cast<int>(Le32(f, 22));
    const int bpp = f[28] | (f[29] << 8);
    const std::size_t stride = (std::size_t(w) * bpp + 31) / 32 * 4;
    std::vector<std::uint8_t> out = f;
    for (int i = 0; i < h; ++i)
        std::memcpy(&out[off + stride * i], &f[off + stride * (h - 1 - i)], stride);
    SetLe32(out, 22, static_cast<std::uint32_t>(-h));
    return out;
}

// Inserts `extra` zero bytes after the first 40 header bytes (a longer header kind).
std::vector<std::uint8_t> LongerHeader(std::vector<std::uint8_t> f, std::uint32_t newSize) {
    const std::uint32_t extra = newSize - Le32(f, 14);
    f.insert(f.begin() + 14 + 40, extra, 0);
    SetLe32(f, 14, newSize);
    SetLe32(f, 10, Le32(f, 10) + extra);
    SetLe32(f, 2, static_cast<std::uint32_t>(f.size()));
    return f;
}

struct Variant {
    const char* name;
    const char* convertArgs;  // how ImageMagick makes it from the 24-bit source
    std::uint32_t headerSize;
    int bits;
    std::uint32_t compression;
    int tolerance;  // ImageMagick rounds 5- and 6-bit channels its own way
};

const Variant kVariants[] = {
    {"core24", "-type TrueColor bmp2:", 12, 24, 0, 0},
    {"core4", "-colors 16 bmp2:", 12, 4, 0, 0},
    {"info24", "-type TrueColor bmp3:", 40, 24, 0, 0},
    {"v5_24", "-type TrueColor bmp:", 124, 24, 0, 0},
    {"info8", "-colors 200 -type Palette -compress none bmp3:", 40, 8, 0, 0},
    {"info8rle", "-colors 200 -type Palette bmp3:", 40, 8, 1, 0},
    {"info4", "-colors 16 -compress none bmp3:", 40, 4, 0, 0},
    {"info1", "-monochrome bmp3:", 40, 1, 0, 0},
    {"v5_565", "-define bmp:subtype=RGB565 bmp:", 124, 16, 3, 1},
    {"v5_32", "-alpha on -channel A -evaluate set 50% +channel bmp:", 124, 32, 3, 0},
};

class BmpFormats : public ::testing::Test {
protected:
    ScratchDir dir;
    std::string source = dir / "source.bmp";
    void SetUp() override {
        // Odd width: every bit depth needs row padding.
        ASSERT_EQ(mov::WriteBmpFile(source.c_str(), Pattern(37, 23)), BmpStatus::Ok);
    }
    // Reads with ours and with ImageMagick; checks the header kind and the pixels.
    void CheckAgainstConvert(const std::string& path, const Variant& v, bool topDown) {
        SCOPED_TRACE(std::string(v.name) + (topDown ? " top-down" : ""));
        Bitmap ours, theirs;
        BmpInfo info;
        ASSERT_EQ(mov::ReadBmpFile(path.c_str(), &ours, &info), BmpStatus::Ok);
        EXPECT_EQ(info.headerSize, v.headerSize);
        EXPECT_EQ(info.bitsPerPixel, v.bits);
        EXPECT_EQ(info.compression, v.compression);
        EXPECT_EQ(info.topDown, topDown);
        BmpInfo probed;
        ASSERT_EQ(mov::ProbeBmpFile(path.c_str(), &probed), BmpStatus::Ok);
        EXPECT_EQ(probed.width, 37);
        EXPECT_EQ(probed.height, 23);
        ASSERT_TRUE(DecodeWithConvert(path, dir / "ref.ppm", &theirs));
        EXPECT_LE(MaxDiff(ours, theirs), v.tolerance);
        EXPECT_GE(MaxDiff(ours, theirs), 0);
    }
};

TEST_F(BmpFormats, ReadsEveryKindImageMagickWritesBottomUpAndTopDown) {
    for (const Variant& v : kVariants) {
        const std::string path = dir / (std::string(v.name) + ".bmp");
        ASSERT_TRUE(Convert(Quote(source) + " " + v.convertArgs + "'" + path + "'")) << v.name;
        CheckAgainstConvert(path, v, false);
        if (v.headerSize != 12 && v.compression != 1) {
            const std::string td = dir / (std::string(v.name) + "-td.bmp");
            WriteFile(td, TopDown(ReadFile(path)));
            CheckAgainstConvert(td, v, true);
        }
    }
}

TEST_F(BmpFormats, ReadsPlain16BitV4AndOs2Headers) {
    // 5-5-5 without bit fields: the masks after the header are then not used.
    const std::string p555 = dir / "555.bmp", plain = dir / "plain555.bmp";
    ASSERT_TRUE(Convert("'" + source + "' -define bmp:subtype=RGB555 bmp3:'" + p555 + "'"));
    std::vector<std::uint8_t> f = ReadFile(p555);
    SetLe32(f, 30, 0);
    WriteFile(plain, f);
    CheckAgainstConvert(plain, {"plain555", "", 40, 16, 0, 1}, false);

    // Bit fields after a 40-byte header: the 5-6-5 file with its V5 header cut down.
    const std::string v5 = dir / "v5.bmp", info565 = dir / "info565.bmp";
    ASSERT_TRUE(Convert("'" + source + "' -define bmp:subtype=RGB565 bmp:'" + v5 + "'"));
    f = ReadFile(v5);
    std::vector<std::uint8_t> cut(f.begin(), f.begin() + 54);
    cut.insert(cut.end(), f.begin() + 54, f.begin() + 66);  // the red, green and blue masks
    cut.insert(cut.end(), f.begin() + 14 + 124, f.end());
    SetLe32(cut, 14, 40);
    SetLe32(cut, 10, Le32(f, 10) - (124 - 52));
    SetLe32(cut, 2, static_cast<std::uint32_t>(cut.size()));
    WriteFile(info565, cut);
    CheckAgainstConvert(info565, {"info565", "", 40, 16, 3, 1}, false);

    // A V4 header, and an OS/2 2.x header of 64 bytes, around 24-bit rows.
    const std::string info24 = dir / "info24.bmp";
    ASSERT_TRUE(Convert("'" + source + "' -type TrueColor bmp3:'" + info24 + "'"));
    for (std::uint32_t size : {108u, 64u}) {
        const std::string path = dir / ("h" + std::to_string(size) + ".bmp");
        WriteFile(path, LongerHeader(ReadFile(info24), size));
        CheckAgainstConvert(path, {"longer header", "", size, 24, 0, 0}, false);
    }
}

TEST_F(BmpFormats, WritesWhatImageMagickAndWeReadBack) {
    for (int bits : {24, 32}) {
        for (int w : {1, 2, 3, 4, 5, 37}) {
            SCOPED_TRACE("bits " + std::to_string(bits) + " width " + std::to_string(w));
            const Bitmap pic = Pattern(w, 3);
            const std::string path = dir / "out.bmp";
            ASSERT_EQ(mov::WriteBmpFile(path.c_str(), pic, bits), BmpStatus::Ok);
            const std::vector<std::uint8_t> f = ReadFile(path);
            const std::size_t stride = (std::size_t(w) * bits + 31) / 32 * 4;
            EXPECT_EQ(f.size(), 54 + stride * 3);
            EXPECT_EQ(Le32(f, 2), f.size());
            EXPECT_EQ(Le32(f, 10), 54u);
            EXPECT_EQ(Le32(f, 14), 40u);
            EXPECT_EQ(Le32(f, 22), 3u);  // bottom-up
            EXPECT_EQ(Le32(f, 34), stride * 3);
            EXPECT_EQ(f, mov::EncodeBmp(pic, bits));
            Bitmap back, theirs;
            ASSERT_EQ(mov::ReadBmpFile(path.c_str(), &back), BmpStatus::Ok);
            EXPECT_EQ(MaxDiff(back, pic), 0);
            ASSERT_TRUE(DecodeWithConvert(path, dir / "ref.ppm", &theirs));
            EXPECT_EQ(MaxDiff(theirs, pic), 0);
        }
    }
}

TEST(BmpWriter, TakesRowsInAnyOrderAndRemovesUnfinishedFiles) {
    ScratchDir dir;
    const Bitmap pic = Pattern(6, 5);
    const std::string a = dir / "a.bmp", b = dir / "b.bmp";
    ASSERT_EQ(mov::WriteBmpFile(a.c_str(), pic), BmpStatus::Ok);
    {
        mov::BmpWriter w;
        ASSERT_EQ(w.Open(b.c_str(), 6, 5, 24), BmpStatus::Ok);
        for (int y : {0, 3, 1, 4, 2}) ASSERT_EQ(w.WriteRow(y, pic.row(y)), BmpStatus::Ok);
        EXPECT_EQ(w.WriteRow(5, pic.row(0)), BmpStatus::BadArgument);
        ASSERT_EQ(w.Close(), BmpStatus::Ok);
    }
    EXPECT_EQ(ReadFile(a), ReadFile(b));

    // One row missing: Close fails and the file is gone; likewise when never closed.
    {
        mov::BmpWriter w;
        ASSERT_EQ(w.Open(b.c_str(), 6, 5, 24), BmpStatus::Ok);
        for (int y = 0; y < 4; ++y) w.WriteRow(y, pic.row(y));
        EXPECT_NE(w.Close(), BmpStatus::Ok);
        EXPECT_FALSE(Exists(b));
    }
    {
        mov::BmpWriter w;
        ASSERT_EQ(w.Open(b.c_str(), 6, 5, 32), BmpStatus::Ok);
        w.WriteRow(0, pic.row(0));
    }
    EXPECT_FALSE(Exists(b));

    // An existing file is replaced; a folder that does not exist fails to open.
    WriteFile(b, std::vector<std::uint8_t>(5000, 0xAB));
    ASSERT_EQ(mov::WriteBmpFile(b.c_str(), pic), BmpStatus::Ok);
    EXPECT_EQ(ReadFile(a), ReadFile(b));
    EXPECT_EQ(mov::WriteBmpFile((dir / "missing/x.bmp").c_str(), pic), BmpStatus::OpenFailed);
    mov::BmpWriter w;
    EXPECT_EQ(w.Open(b.c_str(), 6, 5, 16), BmpStatus::BadArgument);
    EXPECT_EQ(w.Open(b.c_str(), 1 << 14, 1 << 14, 24), BmpStatus::BadArgument);  // over the cap
}

TEST(BmpRead, RunLengthEscapesAndPaletteGaps) {
    // 4 x 3, 8 bits, palette of 3: run, end of line, absolute run of odd length (padded),
    // delta, end of bitmap. Index 7 lies beyond the palette and reads black; skipped
    // pixels keep entry 0.
    const std::vector<std::uint8_t> pal = {10, 20, 30, 0, 40, 50, 60, 0, 70, 80, 90, 0};
    const std::vector<std::uint8_t> rle8 = {3, 1, 0, 0,              // bottom row: 1 1 1 (0)
                                            0, 3, 2, 7, 1, 0, 0, 0,  // middle: 2 7 1 (0)
                                            0, 2, 1, 0, 1, 2, 0, 1};  // top: delta to x 1, (0) 2 (0 0)
    Bitmap b;
    const auto f8 = BuildBmp(4, 3, 8, 1, pal, rle8, 3);
    ASSERT_EQ(mov::ReadBmpMemory(f8.data(), f8.size(), &b), BmpStatus::Ok);
    auto is = [&](int x, int y, int blue) { return b.At(x, y).b == blue; };
    EXPECT_TRUE(is(0, 2, 40) && is(1, 2, 40) && is(2, 2, 40) && is(3, 2, 10));
    EXPECT_TRUE(is(0, 1, 70) && is(1, 1, 0) && is(2, 1, 40) && is(3, 1, 10));
    EXPECT_TRUE(is(0, 0, 10) && is(1, 0, 70) && is(2, 0, 10) && is(3, 0, 10));

    // RLE4: a run alternates two nibbles; an absolute run of 3 nibbles takes 2 bytes.
    const std::vector<std::uint8_t> rle4 = {5, 0x12, 0, 0, 0, 3, 0x21, 0x00, 0, 1};
    const auto f4 = BuildBmp(5, 2, 4, 2, pal, rle4, 3);
    ASSERT_EQ(mov::ReadBmpMemory(f4.data(), f4.size(), &b), BmpStatus::Ok);
    EXPECT_TRUE(is(0, 1, 40) && is(1, 1, 70) && is(2, 1, 40) && is(3, 1, 70) && is(4, 1, 40));
    EXPECT_TRUE(is(0, 0, 70) && is(1, 0, 40) && is(2, 0, 10) && is(3, 0, 10));

    // Truncated run-length data fails cleanly at every length.
    for (std::size_t n = 54 + pal.size(); n < f8.size(); ++n) {
        EXPECT_NE(mov::ReadBmpMemory(f8.data(), n, &b), BmpStatus::Ok) << n;
        EXPECT_TRUE(b.empty());
    }
}

TEST(BmpRead, HostileHeadersFailWithoutAllocating) {
    const Bitmap pic = Pattern(5, 4);
    const std::vector<std::uint8_t> good = mov::EncodeBmp(pic);
    struct Case {
        const char* what;
        std::size_t at;
        std::uint32_t value;
        BmpStatus want;
    };
    const Case cases[] = {
        {"signature", 0, 0x4D41, BmpStatus::NotBmp},
        {"header size 0", 14, 0, BmpStatus::NotBmp},
        {"header size 200", 14, 200, BmpStatus::NotBmp},
        {"header size 4G", 14, 0xFFFFFFFF, BmpStatus::NotBmp},
        {"width 0", 18, 0, BmpStatus::Corrupt},
        {"width negative", 18, 0xFFFFFFFB, BmpStatus::Corrupt},
        {"height 0", 22, 0, BmpStatus::Corrupt},
        {"height INT_MIN", 22, 0x80000000, BmpStatus::Corrupt},
        {"2^31 x 4", 18, 0x7FFFFFFF, BmpStatus::TooLarge},
        {"5 x 2^31 top-down", 22, 0x80000001, BmpStatus::TooLarge},
        {"5 x 20 million", 22, 20000000, BmpStatus::Truncated},
        {"bits 0", 28, 0, BmpStatus::Corrupt},
        {"bits 7", 28, 7, BmpStatus::Unsupported},
        {"bits 64", 28, 64, BmpStatus::Unsupported},
        {"embedded JPEG", 30, 4, BmpStatus::Unsupported},
        {"bit fields on 24 bits", 30, 3, BmpStatus::Unsupported},
        {"RLE8 on 24 bits", 30, 1, BmpStatus::Unsupported},
        {"offset beyond the end", 10, 0xFFFFFF00, BmpStatus::Truncated},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> f = good;
        if (c.at == 0 || c.at == 28) {
            f[c.at] = static_cast<std::uint8_t>(c.value);
            f[c.at + 1] = static_cast<std::uint8_t>(c.value >> 8);
        } else {
            SetLe32(f, c.at, c.value);
        }
        Bitmap b;
        BmpInfo info;
        EXPECT_EQ(mov::ProbeBmpMemory(f.data(), f.size(), &info), c.want) << c.what;
        EXPECT_EQ(mov::ReadBmpMemory(f.data(), f.size(), &b), c.want) << c.what;
        EXPECT_TRUE(b.empty()) << c.what;
    }
    // An embedded JPEG or PNG has bit count 0: unsupported, not corrupt.
    for (std::uint32_t compression : {4u, 5u}) {
        std::vector<std::uint8_t> f = good;
        f[28] = f[29] = 0;
        SetLe32(f, 30, compression);
        BmpInfo info;
        EXPECT_EQ(mov::ProbeBmpMemory(f.data(), f.size(), &info), BmpStatus::Unsupported) << compression;
    }

    // A run-length file claiming 16384 x 8192 pixels with a few bytes of data.
    const std::vector<std::uint8_t> pal(8, 0);
    const auto rle = BuildBmp(16384, 8192, 8, 1, pal, {0, 1});
    Bitmap b;
    EXPECT_EQ(mov::ReadBmpMemory(rle.data(), rle.size(), &b), BmpStatus::Truncated);
    // Run-length rows are bottom-up only.
    auto td = BuildBmp(4, 3, 8, 1, pal, {0, 1});
    SetLe32(td, 22, static_cast<std::uint32_t>(-3));
    EXPECT_EQ(mov::ReadBmpMemory(td.data(), td.size(), &b), BmpStatus::Corrupt);
}

TEST(BmpRead, TruncationAndOffsetsAreCheckedAgainstTheFile) {
    const Bitmap pic = Pattern(5, 4);  // rows of 15 bytes + 1 padding
    const std::vector<std::uint8_t> good = mov::EncodeBmp(pic);
    Bitmap b;
    for (std::size_t n = 0; n < good.size(); ++n) {
        // Only the last row's padding may be missing.
        const BmpStatus s = mov::ReadBmpMemory(good.data(), n, &b);
        if (n >= good.size() - 1) {
            EXPECT_EQ(s, BmpStatus::Ok) << n;
        } else {
            EXPECT_NE(s, BmpStatus::Ok) << n;
            EXPECT_TRUE(b.empty());
        }
    }

    // An offset of 0 (some writers leave it) means the rows follow the palette; palette
    // entries the file does not give read black.
    const std::vector<std::uint8_t> pal = {1, 2, 3, 0, 4, 5, 6, 0};
    const std::vector<std::uint8_t> rows = {0, 1, 5, 0, 1, 0, 9, 0};  // 3 x 2, 8 bits
    auto f = BuildBmp(3, 2, 8, 0, pal, rows, 2);
    SetLe32(f, 10, 0);
    ASSERT_EQ(mov::ReadBmpMemory(f.data(), f.size(), &b), BmpStatus::Ok);
    EXPECT_EQ(b.At(0, 0).b, 4);
    EXPECT_EQ(b.At(1, 0).b, 1);
    EXPECT_EQ(b.At(2, 0).b, 0);  // index 9
    EXPECT_EQ(b.At(1, 1).b, 4);
    EXPECT_EQ(b.At(2, 1).r, 0);  // index 5

    EXPECT_EQ(mov::ReadBmpFile("/nonexistent/x.bmp", &b), BmpStatus::OpenFailed);
    EXPECT_EQ(mov::ReadBmpFile(nullptr, &b), BmpStatus::OpenFailed);
}

}  // namespace
