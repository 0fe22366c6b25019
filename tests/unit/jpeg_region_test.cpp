// A part of a JPEG picture decoded alone is pixel for pixel that part of the whole
// conversion, for every kind of file, turn and scale; the markers give the size the
// converter writes; a smart fit of the scaled picture is close to that of the whole.
#include <gtest/gtest.h>

#include <algorithm>
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

// Where `part` first differs from `whole` at (x, y), or "" when all agree.
std::string Differs(const Bitmap& whole, const Bitmap& part, int x, int y) {
    for (int j = 0; j < part.height(); ++j)
        for (int i = 0; i < part.width(); ++i) {
            mov::Bgr a = whole.At(x + i, y + j), b = part.At(i, j);
            if (a.b != b.b || a.g != b.g || a.r != b.r) return std::to_string(i) + "," + std::to_string(j);
        }
    return "";
}

TEST(JpegRegion, IsThatPartOfTheWholeConversion) {
    ScratchDir dir("jpeg_region");
    const std::string src = dir / "src.ppm";
    ASSERT_TRUE(Shell("/usr/bin/convert -seed 5 -size 301x203 plasma:red-blue -blur 0x0.5 " + Quote(src)));
    const char* kinds[] = {"-sampling-factor 2x2", "-sampling-factor 2x1", "-sampling-factor 1x1",
                           "-interlace Plane", "-colorspace CMYK", "-colorspace Gray"};
    // Odd and even offsets, block edges, the picture's own edges, one pixel, beyond the end.
    const struct { int left, top, width, height; } regions[] = {
        {0, 0, 120, 90}, {1, 1, 99, 77}, {16, 16, 32, 32}, {17, 15, 31, 33}, {150, 100, 300, 200}, {200, 0, 1, 1},
        {0, 150, 301, 40}, {33, 7, 5, 180}};
    for (const char* kind : kinds) {
        const std::string plain = dir / "plain.jpg";
        ASSERT_TRUE(Shell("/usr/bin/convert " + Quote(src) + " -quality 90 " + kind + " " + Quote(plain)));
        for (int turn = 1; turn <= 8; ++turn) {
            const std::string jpg = dir / "turned.jpg";
            const std::vector<uint8_t> bytes = WithExifOrientation(ReadFile(plain), turn, false);
            WriteFile(jpg, bytes);
            for (int scale : {1, 2}) {
                SCOPED_TRACE(std::string(kind) + ", orientation " + std::to_string(turn) + ", 1/" + std::to_string(scale));
                jpeg::ConvertOptions o;
                o.scaleDenom = scale;
                Bitmap whole;
                ASSERT_TRUE(Convert(jpg, dir / "whole.bmp", o, whole));
                const mov::JpegFrame frame = mov::ReadJpegFrame(bytes.data(), bytes.size());
                if (scale == 1) EXPECT_TRUE(frame.width == unsigned(whole.width()) && frame.height == unsigned(whole.height()));
                for (const auto& r : regions) {
                    if (r.left >= whole.width() || r.top >= whole.height()) continue;
                    o.regionLeft = r.left;
                    o.regionTop = r.top;
                    o.regionWidth = r.width;
                    o.regionHeight = r.height;
                    Bitmap part;
                    ASSERT_TRUE(Convert(jpg, dir / "part.bmp", o, part));
                    ASSERT_EQ(part.width(), std::min(r.width, whole.width() - r.left)) << r.left << "," << r.top;
                    ASSERT_EQ(part.height(), std::min(r.height, whole.height() - r.top)) << r.left << "," << r.top;
                    EXPECT_EQ(Differs(whole, part, r.left, r.top), "") << "region " << r.left << "," << r.top;
                }
            }
            EXPECT_FALSE(mov::ReadJpegFrame(bytes.data(), 40).known);  // cut before the frame header
        }
    }
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
        Bitmap fits[2];
        for (int scale : {1, 2}) {
            jpeg::ConvertOptions o;
            o.scaleDenom = scale;
            Bitmap decoded;
            ASSERT_TRUE(Convert(dir / name, dir / "decoded.bmp", o, decoded));
            ASSERT_EQ(mov::smartfit::RunFit((dir / "decoded.bmp").c_str(), (dir / "fit.bmp").c_str(), 512, 384, 24),
                      mov::smartfit::FitResult::Written);
            ASSERT_EQ(mov::ReadBmpFile((dir / "fit.bmp").c_str(), &fits[scale - 1]), mov::BmpStatus::Ok);
        }
        EXPECT_GE(Psnr(fits[0], fits[1]), 35.0);  // -1 when the shapes differ
    }
}

}  // namespace
