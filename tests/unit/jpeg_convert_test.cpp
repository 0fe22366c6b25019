// The JPEG converter against djpeg -bmp on pictures made at test time with ImageMagick and cjpeg.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "components/jpeg/convert_file.h"
#include "image/exif_orientation.h"
#include "image/bmp.h"
#include "image/jpeg_frame.h"
#include "jpeg_fixture.h"
#include "test_support.h"

using namespace testsupport;
using mov::Bitmap;

namespace {

const std::string kConvert = "/usr/bin/convert";

// A photo-like source picture: smooth colour fields with fine detail.
std::string MakeSource(const ScratchDir& dir, uint32_t w, uint32_t h) {
    std::string ppm = dir / ("src" + std::to_string(w) + "x" + std::to_string(h) + ".ppm");
    if (!Exists(ppm)) {
        Shell(kConvert + " -seed 7 -size " + std::to_string(w) + "x" + std::to_string(h) +
            " plasma:red-blue -blur 0x0.5 " + Quote(ppm));
    }
    return ppm;
}

// Our conversion of `jpeg`, read back; also checks the file is exactly the size the header says.
bool Ours(const std::string& jpeg, const std::string& bmp, Bitmap& out) {
    if (jpeg::ConvertJpegFile(jpeg::HostFileSystem(), jpeg, bmp) != jpeg::FileStatus::kOk) return false;
    std::vector<uint8_t> b = ReadFile(bmp);
    if (b.size() < 54) return false;
    uint32_t declared = b[2] | b[3] << 8 | b[4] << 16 | uint32_t(b[5]) << 24;
    uint32_t bpp = b[28] | b[29] << 8;
    EXPECT_EQ(declared, b.size());
    EXPECT_EQ(bpp, 24u);
    EXPECT_FALSE(Exists(jpeg::TempPathFor(bmp)));
    return mov::ReadBmpFile(bmp.c_str(), &out) == mov::BmpStatus::Ok;
}

Bitmap Converted(const std::string& jpeg, const std::string& bmp, const jpeg::ConvertOptions& o) {
    Bitmap out;
    if (jpeg::ConvertJpegFile(jpeg::HostFileSystem(), jpeg, bmp, o) == jpeg::FileStatus::kOk)
        mov::ReadBmpFile(bmp.c_str(), &out);
    return out;
}

// A region of the upright picture at 1/1 and 1/2, decoded alone, is pixel for pixel that part
// of the whole picture at that scale (odd and even offsets, block edges, one pixel, past the
// end); the markers before the scan give the size the converter writes.
void ExpectRegionsArePartsOfTheWhole(const std::string& jpg, const ScratchDir& dir) {
    const std::vector<uint8_t> bytes = ReadFile(jpg);
    const mov::JpegFrame frame = mov::ReadJpegFrame(bytes.data(), bytes.size());
    EXPECT_FALSE(mov::ReadJpegFrame(bytes.data(), 40).known);  // cut before the frame header
    const int regions[][4] = {{0, 0, 40, 30}, {1, 1, 33, 21}, {17, 15, 31, 33}, {30, 20, 100, 100}, {40, 0, 1, 1}};
    for (int scale : {1, 2}) {
        jpeg::ConvertOptions o;
        o.scaleDenom = scale;
        const Bitmap whole = Converted(jpg, dir / "whole.bmp", o);
        ASSERT_FALSE(whole.empty());
        if (scale == 1) {
            EXPECT_EQ(std::to_string(frame.width) + "x" + std::to_string(frame.height),
                      std::to_string(whole.width()) + "x" + std::to_string(whole.height()));
        }
        for (const auto& r : regions) {
            if (r[0] >= whole.width() || r[1] >= whole.height()) continue;
            std::tie(o.regionLeft, o.regionTop, o.regionWidth, o.regionHeight) = std::tie(r[0], r[1], r[2], r[3]);
            Bitmap expected;
            ASSERT_TRUE(expected.Allocate(std::min(r[2], whole.width() - r[0]), std::min(r[3], whole.height() - r[1])));
            mov::DrawAt(expected, whole, -r[0], -r[1]);
            EXPECT_EQ(Psnr(Converted(jpg, dir / "part.bmp", o), expected), 1000) << "1/" << scale << " at " << r[0] << "," << r[1];
        }
    }
}

struct Kind {
    const char* name;
    uint32_t width, height;
    std::string (*make)(const std::string& src, const std::string& jpg);
};

std::string Im(const std::string& args, const std::string& src, const std::string& jpg) {
    return kConvert + " " + Quote(src) + " " + args + " " + Quote(jpg);
}
std::string Cj(const std::string& args, const std::string& src, const std::string& jpg) {
    return "cjpeg " + args + " -outfile " + Quote(jpg) + " " + Quote(src);
}

const Kind kKinds[] = {
    {"baseline420", 97, 61, [](auto& s, auto& j) { return Im("-quality 90 -sampling-factor 2x2", s, j); }},
    {"baseline422", 97, 61, [](auto& s, auto& j) { return Im("-quality 90 -sampling-factor 2x1", s, j); }},
    {"baseline444", 97, 61, [](auto& s, auto& j) { return Im("-quality 90 -sampling-factor 1x1", s, j); }},
    {"progressive", 97, 61, [](auto& s, auto& j) { return Im("-quality 85 -interlace Plane", s, j); }},
    {"greyscale", 97, 61, [](auto& s, auto& j) { return Im("-colorspace Gray -quality 90", s, j); }},
    {"restarts", 97, 61, [](auto& s, auto& j) { return Cj("-quality 80 -restart 1", s, j); }},
    {"cmykAdobe", 97, 61, [](auto& s, auto& j) { return Im("-colorspace CMYK -quality 92", s, j); }},
    // Odd widths exercise the row padding (3 * width is not a multiple of 4).
    {"onePixel", 1, 1, [](auto& s, auto& j) { return Im("-quality 90", s, j); }},
    {"width5", 5, 3, [](auto& s, auto& j) { return Im("-quality 90 -sampling-factor 2x2", s, j); }},
    {"width2tall", 2, 37, [](auto& s, auto& j) { return Cj("-quality 90 -sample 2x2", s, j); }},
    {"width33", 33, 17, [](auto& s, auto& j) { return Cj("-quality 90 -progressive -sample 2x1", s, j); }},
};

class JpegKinds : public ::testing::TestWithParam<Kind> {};

TEST_P(JpegKinds, MatchDjpegPixelForPixel) {
    const Kind& k = GetParam();
    ScratchDir dir(std::string("jpeg_kind_") + k.name);
    std::string src = MakeSource(dir, k.width, k.height);
    std::string jpg = dir / "in.jpg";
    ASSERT_TRUE(Shell(k.make(src, jpg))) << k.name;
    Bitmap ref, ours;
    ASSERT_TRUE(DjpegReference(jpg, dir / "ref.bmp", &ref));
    ASSERT_TRUE(Ours(jpg, dir / "out.bmp", ours));
    EXPECT_EQ(ours.width(), int(k.width));
    EXPECT_EQ(ours.height(), int(k.height));
    EXPECT_EQ(Psnr(ours, ref), 1000) << "PSNR " << Psnr(ours, ref);
    ExpectRegionsArePartsOfTheWhole(jpg, dir);

    // Row padding is zero.
    std::vector<uint8_t> b = ReadFile(dir / "out.bmp");
    uint32_t stride = (k.width * 3 + 3) & ~3u;
    for (uint32_t y = 0; y < k.height; ++y)
        for (uint32_t i = k.width * 3; i < stride; ++i) ASSERT_EQ(b[54 + y * stride + i], 0) << "row " << y;
}

INSTANTIATE_TEST_SUITE_P(All, JpegKinds, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

// CMYK is stored two ways: plain (0 = no ink) and inverted by Adobe applications, which
// mark their files. Both must come out as the colour that was meant.
TEST(JpegCmyk, PlainInvertedAndYcckAllGiveTheSameColour) {
    ScratchDir dir("jpeg_cmyk");
    const uint8_t plainRed[4] = {0, 255, 255, 0};     // magenta + yellow ink: red
    const uint8_t adobeRed[4] = {255, 0, 0, 255};      // the same, inverted
    struct Case { const char* name; const uint8_t* cmyk; bool adobe, ycck; } cases[] = {
        {"plain", plainRed, false, false}, {"adobe", adobeRed, true, false}, {"ycck", adobeRed, true, true}};
    for (const Case& c : cases) {
        std::string jpg = dir / (std::string(c.name) + ".jpg");
        JpegShape shape;
        shape.width = 9;
        shape.height = 7;
        shape.cmyk = true;
        shape.adobeMarker = c.adobe;
        shape.ycck = c.ycck;
        WriteFile(jpg, EncodeJpeg(shape, [&](uint32_t, uint32_t, uint8_t* px) { std::copy(c.cmyk, c.cmyk + 4, px); }));
        Bitmap ours;
        ASSERT_TRUE(Ours(jpg, dir / "out.bmp", ours)) << c.name;
        const mov::Bgr p = ours.At(4, 3);
        EXPECT_GE(p.r, 250) << c.name;
        EXPECT_LE(p.g, 5) << c.name;
        EXPECT_LE(p.b, 5) << c.name;
        if (c.adobe) {  // djpeg reads marked files the same way
            Bitmap ref;
            ASSERT_TRUE(DjpegReference(jpg, dir / "ref.bmp", &ref));
            EXPECT_EQ(Psnr(ours, ref), 1000) << c.name;
        }
    }
}

// Each orientation k: the upright picture is stored turned by the inverse of k and tagged
// k; the conversion must give back the upright picture. ImageMagick turns djpeg's output
// the same way for an exact comparison.
TEST(JpegOrientation, AllEightStandUpright) {
    ScratchDir dir("jpeg_orient");
    const int W = 48, H = 36;  // 36: the last band of rows is partial
    // Upright: red top-left, green top-right, blue bottom-left, white bottom-right.
    std::string upright = dir / "upright.ppm";
    ASSERT_TRUE(Shell(kConvert + " -size 24x18 xc:red xc:lime +append \\( -size 24x18 xc:blue xc:white +append \\)"
                    " -append " + Quote(upright)));
    const char* store[9] = {"", "", "-flop", "-rotate 180", "-flip", "-transpose", "-rotate 270", "-transverse",
                            "-rotate 90"};
    const char* show[9] = {"", "", "-flop", "-rotate 180", "-flip", "-transpose", "-rotate 90", "-transverse",
                           "-rotate 270"};
    for (int k = 1; k <= 8; ++k) {
        SCOPED_TRACE("orientation " + std::to_string(k));
        std::string plain = dir / "plain.jpg";
        ASSERT_TRUE(Shell(kConvert + " " + Quote(upright) + " " + store[k] + " -quality 95 -sampling-factor 1x1 " +
                        Quote(plain)));
        std::string tagged = dir / ("o" + std::to_string(k) + ".jpg");
        WriteFile(tagged, WithExifOrientation(ReadFile(plain), k, k % 2 == 0));
        Bitmap ours;
        ASSERT_TRUE(Ours(tagged, dir / "out.bmp", ours));
        ASSERT_EQ(ours.width(), W);
        ASSERT_EQ(ours.height(), H);
        auto near = [](mov::Bgr p, int r, int g, int b) {
            return std::abs(p.r - r) < 24 && std::abs(p.g - g) < 24 && std::abs(p.b - b) < 24;
        };
        EXPECT_TRUE(near(ours.At(6, 4), 255, 0, 0));
        EXPECT_TRUE(near(ours.At(40, 4), 0, 255, 0));
        EXPECT_TRUE(near(ours.At(6, 32), 0, 0, 255));
        EXPECT_TRUE(near(ours.At(40, 32), 255, 255, 255));

        Bitmap ref, turned;
        ASSERT_TRUE(DjpegReference(tagged, dir / "ref.bmp", &ref));
        ASSERT_TRUE(Shell(kConvert + " " + Quote(dir / "ref.bmp") + " " + show[k] + " " + Quote(dir / "ref.ppm")));
        ASSERT_TRUE(ReadPpm(dir / "ref.ppm", &turned));
        EXPECT_EQ(Psnr(ours, turned), 1000);
        ExpectRegionsArePartsOfTheWhole(tagged, dir);
    }
}

TEST(JpegOrientation, DamagedExifBlocksMeanUpright) {
    std::vector<uint8_t> good = WithExifOrientation({0xFF, 0xD8}, 6, false);
    std::vector<uint8_t> body(good.begin() + 6, good.end());  // after SOI, marker and length
    ASSERT_EQ(mov::ExifOrientation(body.data(), body.size()), 6);
    for (size_t cut = 0; cut < 38; ++cut)  // cut before the orientation value ends
        EXPECT_EQ(mov::ExifOrientation(body.data(), cut), 1) << cut;
    std::vector<uint8_t> bad = body;
    bad[6 + 4] = 0xF0;  // IFD0 offset far beyond the block
    EXPECT_EQ(mov::ExifOrientation(bad.data(), bad.size()), 1);
    bad = body;
    bad[6 + 8 + 2 + 12 + 8] = 9;  // orientation 9 does not exist
    EXPECT_EQ(mov::ExifOrientation(bad.data(), bad.size()), 1);
    bad = body;
    bad[6 + 8 + 2 + 12 + 2] = 4;  // a LONG, not a SHORT
    EXPECT_EQ(mov::ExifOrientation(bad.data(), bad.size()), 1);
}

// A truncated file gives its decoded part and the rest filled. Cut inside compressed
// data, that is exactly what djpeg gives.
TEST(JpegDamage, TruncatedBaselineMatchesDjpeg) {
    ScratchDir dir("jpeg_trunc");
    std::string jpg = dir / "full.jpg";
    ASSERT_TRUE(Shell(Im("-quality 90", MakeSource(dir, 160, 120), jpg)));
    std::vector<uint8_t> bytes = ReadFile(jpg);
    bytes.resize(bytes.size() * 6 / 10);
    std::string cut = dir / "cut.jpg";
    WriteFile(cut, bytes);
    Bitmap ours, ref;
    ASSERT_TRUE(Ours(cut, dir / "out.bmp", ours));
    ASSERT_TRUE(DjpegReference(cut, dir / "ref.bmp", &ref));
    EXPECT_EQ(ours.width(), 160);
    EXPECT_EQ(ours.height(), 120);
    EXPECT_EQ(Psnr(ours, ref), 1000);
}

// A progressive file cut anywhere after its first scan began still gives the whole
// picture from the scans it has, also when the cut falls in a later scan's tables
// (where djpeg gives up). More data never makes the picture worse.
TEST(JpegDamage, TruncatedProgressiveKeepsItsCompleteScans) {
    ScratchDir dir("jpeg_trunc_prog");
    std::string jpg = dir / "full.jpg";
    ASSERT_TRUE(Shell(Im("-quality 90 -interlace Plane", MakeSource(dir, 160, 120), jpg)));
    const std::vector<uint8_t> full = ReadFile(jpg);
    Bitmap whole;
    ASSERT_TRUE(Ours(jpg, dir / "whole.bmp", whole));
    size_t firstScan = 0;
    for (size_t i = 2; i + 1 < full.size() && !firstScan; ++i)
        if (full[i] == 0xFF && full[i + 1] == 0xDA) firstScan = i;
    ASSERT_GT(firstScan, 0u);
    double worst = 1e9;
    int cuts = 0;
    for (size_t len = firstScan + 16; len < full.size(); len += 97, ++cuts) {
        WriteFile(dir / "cut.jpg", std::vector<uint8_t>(full.begin(), full.begin() + static_cast<long>(len)));
        Bitmap ours;
        ASSERT_TRUE(Ours(dir / "cut.jpg", dir / "out.bmp", ours)) << "cut at " << len;
        ASSERT_EQ(ours.width(), 160);
        ASSERT_EQ(ours.height(), 120);
        if (len > full.size() * 9 / 10) worst = std::min(worst, Psnr(ours, whole));
    }
    EXPECT_GT(cuts, 20);
    EXPECT_GT(worst, 30.0);  // the last tenth holds only refinement scans
}

TEST(JpegDamage, BrokenFilesFailCleanlyOrDecodeWithoutHarm) {
    ScratchDir dir("jpeg_broken");
    std::string src = MakeSource(dir, 64, 48);
    std::string jpg = dir / "good.jpg";
    ASSERT_TRUE(Shell(Im("-quality 90", src, jpg)));
    const std::vector<uint8_t> good = ReadFile(jpg);
    std::string bad = dir / "bad.jpg", out = dir / "out.bmp";
    auto status = [&](const std::vector<uint8_t>& bytes) {
        WriteFile(bad, bytes);
        return jpeg::ConvertJpegFile(jpeg::HostFileSystem(), bad, out);
    };
    EXPECT_EQ(status({}), jpeg::FileStatus::kConvertFailed);
    EXPECT_EQ(status({'B', 'M', 0, 0, 0}), jpeg::FileStatus::kConvertFailed);
    EXPECT_EQ(status(std::vector<uint8_t>(good.begin(), good.begin() + 120)), jpeg::FileStatus::kConvertFailed);
    // Zero height in SOF0.
    std::vector<uint8_t> b = good;
    for (size_t i = 2; i + 8 < b.size(); ++i)
        if (b[i] == 0xFF && b[i + 1] == 0xC0) { b[i + 5] = 0; b[i + 6] = 0; break; }
    EXPECT_EQ(status(b), jpeg::FileStatus::kConvertFailed);
    // Noise over the entropy-coded data: libjpeg warns and decodes something; no crash.
    b = good;
    for (size_t i = b.size() / 2; i < b.size() - 2; i += 7) b[i] ^= 0x5A;
    jpeg::FileStatus s = status(b);
    EXPECT_TRUE(s == jpeg::FileStatus::kOk || s == jpeg::FileStatus::kConvertFailed);
    EXPECT_FALSE(Exists(jpeg::TempPathFor(out)));
    EXPECT_EQ(jpeg::ConvertJpegFile(jpeg::HostFileSystem(), dir / "missing.jpg", out), jpeg::FileStatus::kNoSource);
}

// The progress a conversion reports: from 0 up to its total, and a stop asked for at any call
// (also while a progressive file is read in, before the first row) ends it as kCancelled. The
// headers alone give the size the conversion writes, scaled and turned upright.
TEST(JpegProgress, ReportsUpToTheTotalAndStopsWhenAsked) {
    ScratchDir dir("jpeg_progress");
    std::string src = MakeSource(dir, 97, 61);
    ASSERT_TRUE(Shell(Im("-quality 90", src, dir / "plain.jpg")));
    ASSERT_TRUE(Shell(Im("-quality 90 -interlace Plane", src, dir / "prog.jpg")));
    WriteFile(dir / "turned.jpg", WithExifOrientation(ReadFile(dir / "plain.jpg"), 6, false));
    struct Case { const char* file; int scale; uint32_t width, height; } cases[] = {
        {"plain.jpg", 1, 97, 61}, {"prog.jpg", 1, 97, 61}, {"turned.jpg", 1, 61, 97}, {"plain.jpg", 4, 25, 16}};
    struct Calls {
        std::vector<uint32_t> done;
        uint32_t total = 0;
        size_t stopAt = 0;  // 1-based call that answers "stop"; 0: never
    };
    auto record = [](void* c, uint32_t done, uint32_t total) {
        auto* calls = static_cast<Calls*>(c);
        calls->done.push_back(done);
        calls->total = total;
        return calls->done.size() != calls->stopAt;
    };
    struct Sink : mov::ByteSink {
        std::vector<uint8_t> head;
        bool WriteAt(uint64_t off, const void* d, size_t n) override {
            if (off == 0) head.assign(static_cast<const uint8_t*>(d), static_cast<const uint8_t*>(d) + n);
            return true;
        }
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " at 1/" + std::to_string(c.scale));
        const std::vector<uint8_t> bytes = ReadFile(dir / c.file);
        jpeg::ConvertOptions options;
        options.scaleDenom = c.scale;
        options.progress = record;
        jpeg::JpegHeader header;
        jpeg::MemoryReader forHeader(bytes.data(), bytes.size());
        ASSERT_EQ(jpeg::ReadJpegHeader(forHeader, &header, options), jpeg::ConvertStatus::kOk);
        EXPECT_EQ(header.width, c.width);
        EXPECT_EQ(header.height, c.height);

        Calls whole;
        options.progressContext = &whole;
        Sink sink;
        jpeg::MemoryReader in(bytes.data(), bytes.size());
        ASSERT_EQ(jpeg::ConvertJpegToBmp(in, sink, options), jpeg::ConvertStatus::kOk);
        ASSERT_EQ(sink.head.size(), mov::kBmpHeadersSize);
        EXPECT_EQ(Le32(sink.head, 18), c.width);
        EXPECT_EQ(Le32(sink.head, 22), c.height);
        ASSERT_GE(whole.done.size(), 2u);
        EXPECT_EQ(whole.done.front(), 0u);
        EXPECT_EQ(whole.done.back(), whole.total);
        EXPECT_TRUE(std::is_sorted(whole.done.begin(), whole.done.end()));

        for (size_t stop : {size_t{1}, size_t{2}, whole.done.size()}) {
            Calls cancelled;
            cancelled.stopAt = stop;
            options.progressContext = &cancelled;
            jpeg::MemoryReader again(bytes.data(), bytes.size());
            EXPECT_EQ(jpeg::ConvertJpegToBmp(again, sink, options), jpeg::ConvertStatus::kCancelled) << stop;
            EXPECT_EQ(cancelled.done.size(), stop);
        }
    }
    // Not a JPEG at all, against a JPEG that is damaged.
    const std::vector<uint8_t> plain = ReadFile(dir / "plain.jpg");
    const std::vector<std::vector<uint8_t>> notJpeg = {{}, {'B', 'M', 0, 0, 0, 0}, {0xFF, 0xD9, 0xFF}};
    Sink sink;
    for (const auto& bytes : notJpeg) {
        jpeg::MemoryReader in(bytes.data(), bytes.size());
        EXPECT_EQ(jpeg::ConvertJpegToBmp(in, sink), jpeg::ConvertStatus::kNotJpeg);
        EXPECT_FALSE(jpeg::HasJpegSignature(bytes.data(), bytes.size()));
    }
    jpeg::MemoryReader cut(plain.data(), 120);
    EXPECT_EQ(jpeg::ConvertJpegToBmp(cut, sink), jpeg::ConvertStatus::kBadJpeg);
    EXPECT_TRUE(jpeg::HasJpegSignature(plain.data(), 3));
}

// A picture whose BMP would pass 4 GiB (or the pixel cap, or the caller's limit) is refused
// before anything is decoded.
TEST(JpegLimits, TooLargeForTheBmpSizeFields) {
    const int rowsFit = static_cast<int>((UINT32_MAX - mov::kBmpHeadersSize) / 4);  // width 1: 4-byte rows
    EXPECT_EQ(mov::BmpFileSize(1, rowsFit, 24), mov::kBmpHeadersSize + uint64_t{4} * rowsFit);
    EXPECT_EQ(mov::BmpFileSize(1, rowsFit + 1, 24), 0u);
    EXPECT_EQ(mov::BmpFileSize(65535, 65535, 24), 0u);
    EXPECT_EQ(mov::BmpFileSize(0, 5, 24), 0u);

    ScratchDir dir("jpeg_huge");
    std::string jpg = dir / "small.jpg";
    ASSERT_TRUE(Shell(Im("-quality 90", MakeSource(dir, 16, 16), jpg)));
    std::vector<uint8_t> b = ReadFile(jpg);
    for (size_t i = 2; i + 8 < b.size(); ++i)
        if (b[i] == 0xFF && b[i + 1] == 0xC0) { b[i + 5] = b[i + 7] = 0xFD; b[i + 6] = b[i + 8] = 0xE8; break; }
    struct Sink : mov::ByteSink {
        uint64_t bytes = 0;
        bool WriteAt(uint64_t, const void*, size_t n) override { bytes += n; return true; }
    } sink;
    jpeg::MemoryReader reader(b.data(), b.size());
    EXPECT_EQ(jpeg::ConvertJpegToBmp(reader, sink), jpeg::ConvertStatus::kTooLarge);  // 65000 x 65000
    EXPECT_EQ(sink.bytes, 0u);

    const std::vector<uint8_t> small = ReadFile(jpg);  // 16 x 16: 822 bytes as a BMP
    jpeg::ConvertOptions tight;
    tight.maxFileSize = 821;
    jpeg::MemoryReader again(small.data(), small.size());
    EXPECT_EQ(jpeg::ConvertJpegToBmp(again, sink, tight), jpeg::ConvertStatus::kTooLarge);
    EXPECT_EQ(sink.bytes, 0u);
}

}  // namespace
