// A part of a JPEG picture decoded alone is pixel for pixel that part of the whole
// conversion, for every kind of file and every turn; the markers give the size the
// converter writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/jpeg/convert_file.h"
#include "image/bmp.h"
#include "image/jpeg_frame.h"
#include "smartfit/smart_fit.h"
#include "test_support.h"

using namespace testsupport;
using mov::Bitmap;

namespace {

bool Convert(const std::string& jpeg, const std::string& bmp, const jpeg::ConvertOptions& o, Bitmap& out) {
    return jpeg::ConvertJpegFile(jpeg::HostFileSystem(), jpeg, bmp, o) == jpeg::FileStatus::kOk &&
           mov::ReadBmpFile(bmp.c_str(), &out) == mov::BmpStatus::Ok;
}

// The first differing pixel of `part` against `whole` at (x, y), or "" when all agree.
std::string Differs(const Bitmap& whole, const Bitmap& part, int x, int y) {
    for (int j = 0; j < part.height(); ++j)
        for (int i = 0; i < part.width(); ++i) {
            mov::Bgr a = whole.At(x + i, y + j), b = part.At(i, j);
            if (a.b != b.b || a.g != b.g || a.r != b.r) return std::to_string(i) + "," + std::to_string(j);
        }
    return "";
}

struct Region {
    uint32_t left, top, width, height;
};

TEST(JpegRegion, IsThatPartOfTheWholeConversion) {
    ScratchDir dir("jpeg_region");
    const std::string src = dir / "src.ppm";
    ASSERT_TRUE(Shell("/usr/bin/convert -seed 5 -size 301x203 plasma:red-blue -blur 0x0.5 " + Quote(src)));
    const char* kinds[] = {"-sampling-factor 2x2", "-sampling-factor 2x1", "-sampling-factor 1x1",
                           "-interlace Plane", "-colorspace CMYK", "-colorspace Gray"};
    // Odd and even offsets, block edges, the picture's own edges, one pixel, beyond the end.
    const Region regions[] = {{0, 0, 120, 90},  {1, 1, 99, 77},   {16, 16, 32, 32}, {17, 15, 31, 33},
                              {150, 100, 300, 200}, {200, 0, 1, 1}, {0, 150, 301, 40}, {33, 7, 5, 180}};
    for (const char* kind : kinds) {
        const std::string plain = dir / "plain.jpg";
        ASSERT_TRUE(Shell("/usr/bin/convert " + Quote(src) + " -quality 90 " + kind + " " + Quote(plain)));
        for (int turn : {1, 2, 3, 4, 5, 6, 7, 8}) {
            SCOPED_TRACE(std::string(kind) + ", orientation " + std::to_string(turn));
            const std::string jpg = dir / "turned.jpg";
            WriteFile(jpg, WithExifOrientation(ReadFile(plain), turn, false));
            Bitmap whole;
            ASSERT_TRUE(Convert(jpg, dir / "whole.bmp", {}, whole));
            for (const Region& r : regions) {
                jpeg::ConvertOptions o;
                o.regionLeft = r.left;
                o.regionTop = r.top;
                o.regionWidth = r.width;
                o.regionHeight = r.height;
                Bitmap part;
                ASSERT_TRUE(Convert(jpg, dir / "part.bmp", o, part));
                const int w = static_cast<int>(std::min(r.width, whole.width() - r.left));
                const int h = static_cast<int>(std::min<uint32_t>(r.height, whole.height() - r.top));
                ASSERT_EQ(part.width(), std::min(w, whole.width())) << r.left << "," << r.top;
                ASSERT_EQ(part.height(), h) << r.left << "," << r.top;
                EXPECT_EQ(Differs(whole, part, r.left, r.top), "") << "region " << r.left << "," << r.top;
            }
        }
    }
}

TEST(JpegRegion, AScaledRegionIsThatPartOfTheScaledConversion) {
    ScratchDir dir("jpeg_region_scaled");
    const std::string jpg = dir / "p.jpg";
    ASSERT_TRUE(Shell("/usr/bin/convert -seed 5 -size 640x480 plasma:red-blue -quality 90 " + Quote(jpg)));
    for (int d : {2, 4, 8}) {
        jpeg::ConvertOptions o;
        o.scaleDenom = d;
        Bitmap whole, part;
        ASSERT_TRUE(Convert(jpg, dir / "whole.bmp", o, whole));
        EXPECT_EQ(whole.width(), 640 / d);
        o.regionLeft = 9;
        o.regionTop = 3;
        o.regionWidth = 41;
        o.regionHeight = 27;
        ASSERT_TRUE(Convert(jpg, dir / "part.bmp", o, part));
        EXPECT_EQ(Differs(whole, part, 9, 3), "") << "1/" << d;
    }
}

TEST(JpegFrame, GivesTheSizeTheConverterWrites) {
    ScratchDir dir("jpeg_frame");
    const std::string plain = dir / "plain.jpg";
    ASSERT_TRUE(Shell("/usr/bin/convert -size 70x30 gradient:red-blue -quality 90 " + Quote(plain)));
    for (int turn = 1; turn <= 8; ++turn) {
        std::vector<uint8_t> bytes = WithExifOrientation(ReadFile(plain), turn, turn % 2 == 0);
        mov::JpegFrame f = mov::ReadJpegFrame(bytes.data(), bytes.size());
        ASSERT_TRUE(f.known) << turn;
        EXPECT_EQ(f.orientation, turn);
        EXPECT_EQ(f.width, turn >= 5 ? 30u : 70u);
        EXPECT_EQ(f.height, turn >= 5 ? 70u : 30u);
        // Cut before the frame header: no size rather than a wrong one.
        for (size_t cut : {size_t{0}, size_t{3}, size_t{40}}) EXPECT_FALSE(mov::ReadJpegFrame(bytes.data(), cut).known);
    }
    const uint8_t notJpeg[] = {'B', 'M', 0, 0, 0, 0};
    EXPECT_FALSE(mov::ReadJpegFrame(notJpeg, sizeof notJpeg).known);
}

// A smart fit made from the picture decoded at half its size (still larger than the 512 x 384
// screen) is the fit of the whole picture but for the scaled decoding: above 35 dB, upright
// and turned by EXIF.
TEST(JpegScale, FitOfTheScaledPictureIsCloseToTheFitOfTheWhole) {
    ScratchDir dir("jpeg_scale_fit");
    const std::string src = dir / "src.ppm";
    ASSERT_TRUE(Shell("/usr/bin/convert -seed 3 -size 1536x1024 plasma:fractal -blur 0x0.7 " + Quote(src)));
    ASSERT_TRUE(Shell("/usr/bin/convert " + Quote(src) + " -quality 90 " + Quote(dir / "upright.jpg")));
    ASSERT_TRUE(Shell("/usr/bin/convert " + Quote(src) + " -rotate 270 -quality 90 " + Quote(dir / "stored.jpg")));
    WriteFile(dir / "turned.jpg", WithExifOrientation(ReadFile(dir / "stored.jpg"), 6, false));
    for (const char* name : {"upright.jpg", "turned.jpg"}) {
        SCOPED_TRACE(name);
        Bitmap whole, half, fitWhole, fitHalf;
        jpeg::ConvertOptions o;
        ASSERT_TRUE(Convert(dir / name, dir / "whole.bmp", o, whole));
        o.scaleDenom = 2;
        ASSERT_TRUE(Convert(dir / name, dir / "half.bmp", o, half));
        ASSERT_EQ(half.width(), 768);
        using mov::smartfit::RunFit;
        ASSERT_EQ(RunFit((dir / "whole.bmp").c_str(), (dir / "fit1.bmp").c_str(), 512, 384, 24),
                  mov::smartfit::FitResult::Written);
        ASSERT_EQ(RunFit((dir / "half.bmp").c_str(), (dir / "fit2.bmp").c_str(), 512, 384, 24),
                  mov::smartfit::FitResult::Written);
        ASSERT_EQ(mov::ReadBmpFile((dir / "fit1.bmp").c_str(), &fitWhole), mov::BmpStatus::Ok);
        ASSERT_EQ(mov::ReadBmpFile((dir / "fit2.bmp").c_str(), &fitHalf), mov::BmpStatus::Ok);
        EXPECT_EQ(fitHalf.width(), fitWhole.width());
        EXPECT_GE(Psnr(fitWhole, fitHalf), 35.0);
    }
}

}  // namespace
