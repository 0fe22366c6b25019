// A part of a JPEG picture decoded alone is pixel for pixel that part of the whole
// conversion, for every kind of file, turn and scale; the markers give the size the
// converter writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "components/jpeg/convert_file.h"
#include "image/bmp.h"
#include "image/jpeg_frame.h"
#include "test_support.h"

using namespace testsupport;
using mov::Bitmap;

namespace {

Bitmap Convert(const std::string& jpeg, const std::string& bmp, const jpeg::ConvertOptions& o) {
    Bitmap out;
    if (jpeg::ConvertJpegFile(jpeg::HostFileSystem(), jpeg, bmp, o) == jpeg::FileStatus::kOk)
        mov::ReadBmpFile(bmp.c_str(), &out);
    return out;
}

TEST(JpegRegion, IsThatPartOfTheWholeConversion) {
    ScratchDir dir("jpeg_region");
    ASSERT_TRUE(Shell("/usr/bin/convert -seed 5 -size 301x203 plasma:red-blue -blur 0x0.5 " + Quote(dir / "src.ppm")));
    // Odd and even offsets, block edges, one pixel, beyond the picture's end.
    const int regions[][4] = {{0, 0, 120, 90}, {1, 1, 99, 77}, {17, 15, 31, 33}, {150, 100, 300, 200}, {200, 0, 1, 1}};
    for (const char* kind : {"-sampling-factor 2x2", "-sampling-factor 2x1", "-sampling-factor 1x1",
                             "-interlace Plane", "-colorspace CMYK", "-colorspace Gray"}) {
        ASSERT_TRUE(Shell("/usr/bin/convert " + Quote(dir / "src.ppm") + " -quality 90 " + kind + " " +
                          Quote(dir / "plain.jpg")));
        for (int turn = 1; turn <= 8; ++turn) {
            const std::vector<uint8_t> bytes = WithExifOrientation(ReadFile(dir / "plain.jpg"), turn, false);
            WriteFile(dir / "turned.jpg", bytes);
            EXPECT_FALSE(mov::ReadJpegFrame(bytes.data(), 40).known);  // cut before the frame header
            for (int scale : {1, 2}) {
                SCOPED_TRACE(std::string(kind) + ", orientation " + std::to_string(turn) + ", 1/" + std::to_string(scale));
                jpeg::ConvertOptions o;
                o.scaleDenom = scale;
                const Bitmap whole = Convert(dir / "turned.jpg", dir / "whole.bmp", o);
                ASSERT_FALSE(whole.empty());
                const mov::JpegFrame frame = mov::ReadJpegFrame(bytes.data(), bytes.size());
                if (scale == 1) {
                    EXPECT_EQ(frame.width * 1000 + frame.height, whole.width() * 1000u + whole.height());
                }
                for (const auto& r : regions) {
                    if (r[0] >= whole.width() || r[1] >= whole.height()) continue;
                    std::tie(o.regionLeft, o.regionTop, o.regionWidth, o.regionHeight) = std::tie(r[0], r[1], r[2], r[3]);
                    Bitmap expected;
                    ASSERT_TRUE(expected.Allocate(std::min(r[2], whole.width() - r[0]), std::min(r[3], whole.height() - r[1])));
                    mov::DrawAt(expected, whole, -r[0], -r[1]);
                    EXPECT_EQ(Psnr(Convert(dir / "turned.jpg", dir / "part.bmp", o), expected), 1000.0)
                        << "region " << r[0] << "," << r[1];
                }
            }
        }
    }
}

}  // namespace
