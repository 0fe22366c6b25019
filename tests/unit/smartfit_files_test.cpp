// The two smart fits from file to file: sizes, formats, background and copies by pixel.
#include <gtest/gtest.h>

#include "image/bmp.h"
#include "test_support.h"
#include "smartfit/smart_fit.h"

using mov::Bitmap;
using mov::BmpInfo;
using mov::BmpStatus;
using mov::smartfit::FitResult;
using namespace testsupport;

namespace {

const mov::Bgr kBackground{0x80, 0x40, 0x20};

bool Same(mov::Bgr a, mov::Bgr b) { return a.b == b.b && a.g == b.g && a.r == b.r; }

class SmartFitFiles : public ::testing::Test {
protected:
    ScratchDir dir;
    std::string src = dir / "work.bmp", out = dir / "work2.bmp";

    void Picture(int w, int h) { ASSERT_EQ(mov::WriteBmpFile(src.c_str(), Pattern(w, h)), BmpStatus::Ok); }
    Bitmap Output(int wantW, int wantH, int wantBits) {
        Bitmap b;
        BmpInfo info;
        EXPECT_EQ(mov::ReadBmpFile(out.c_str(), &b, &info), BmpStatus::Ok);
        EXPECT_EQ(info.width, wantW);
        EXPECT_EQ(info.height, wantH);
        EXPECT_EQ(info.bitsPerPixel, wantBits);
        EXPECT_FALSE(info.topDown);
        return b;
    }
};

TEST_F(SmartFitFiles, ExtendCentresAWidePictureBetweenBands) {
    Picture(800, 400);
    const Bitmap pic = Pattern(800, 400);
    for (int pos : {0, 1, 2}) {
        ASSERT_EQ(mov::smartfit::RunExtend(src.c_str(), out.c_str(), 1024, 768, pos, kBackground), FitResult::Written);
        const Bitmap b = Output(800, 600, 24);
        ASSERT_FALSE(b.empty());
        for (int x : {0, 399, 799}) {
            EXPECT_TRUE(Same(b.At(x, 0), kBackground));
            EXPECT_TRUE(Same(b.At(x, 99), kBackground));
            EXPECT_TRUE(Same(b.At(x, 100), pic.At(x, 0)));
            EXPECT_TRUE(Same(b.At(x, 499), pic.At(x, 399)));
            EXPECT_TRUE(Same(b.At(x, 500), kBackground));
            EXPECT_TRUE(Same(b.At(x, 599), kBackground));
        }
    }
}

TEST_F(SmartFitFiles, ExtendPlacesTheCopiesOfATallPicture) {
    Picture(600, 800);
    const Bitmap pic = Pattern(600, 800);
    struct Want {
        int pos;
        int x;         // canvas column
        int srcX;      // picture column shown there, -1 for background
    };
    const Want wants[] = {
        {0, 0, -1}, {0, 232, -1}, {0, 233, 0}, {0, 832, 599}, {0, 833, -1}, {0, 1065, -1},
        {1, 0, 134}, {1, 465, 599}, {1, 466, 0}, {1, 1065, 599},  // copies at 466 and -134
        {2, 0, 0}, {2, 599, 599}, {2, 600, 0}, {2, 1065, 465},    // at 0 and 600, cut
        {5, 232, -1}, {5, 233, 0},                                // 5 acts as 0
    };
    int last = -1;
    Bitmap b;
    for (const Want& w : wants) {
        if (w.pos != last) {
            ASSERT_EQ(mov::smartfit::RunExtend(src.c_str(), out.c_str(), 1024, 768, w.pos, kBackground),
                      FitResult::Written);
            b = Output(1066, 800, 24);
            ASSERT_FALSE(b.empty());
            last = w.pos;
        }
        for (int y : {0, 555, 799}) {
            const mov::Bgr want = w.srcX < 0 ? kBackground : pic.At(w.srcX, y);
            EXPECT_TRUE(Same(b.At(w.x, y), want)) << "p " << w.pos << " x " << w.x << " y " << y;
        }
    }
}

TEST_F(SmartFitFiles, FitScalesToTheScreenInTheDisplayDepth) {
    // A flat picture stays flat at any scale, so every output pixel can be checked.
    Bitmap flat;
    ASSERT_TRUE(flat.Allocate(800, 400));
    mov::FillRect(flat, 0, 0, 800, 400, mov::Bgr{10, 20, 30});
    ASSERT_EQ(mov::WriteBmpFile(src.c_str(), flat), BmpStatus::Ok);
    ASSERT_EQ(mov::smartfit::RunFit(src.c_str(), out.c_str(), 1024, 768, 32), FitResult::Written);
    Bitmap b = Output(1024, 512, 32);
    for (int y = 0; y < b.height(); y += 7)
        for (int x = 0; x < b.width(); x += 13) ASSERT_TRUE(Same(b.At(x, y), mov::Bgr{10, 20, 30}));

    // Shrinking a large picture, into 24 bits; the output may be the source itself.
    Picture(3000, 4000);
    ASSERT_EQ(mov::smartfit::RunFit(src.c_str(), src.c_str(), 1024, 768, 24), FitResult::Written);
    std::swap(src, out);
    b = Output(570, 768, 24);  // (76800 / 4000) * 3000 / 100
}

TEST_F(SmartFitFiles, FitKeepsThePictureRecognisable) {
    // Left half red, right half blue: after scaling up the halves stay where they were.
    Bitmap two;
    ASSERT_TRUE(two.Allocate(60, 80));
    mov::FillRect(two, 0, 0, 30, 80, mov::Bgr{0, 0, 255});
    mov::FillRect(two, 30, 0, 30, 80, mov::Bgr{255, 0, 0});
    ASSERT_EQ(mov::WriteBmpFile(src.c_str(), two), BmpStatus::Ok);
    ASSERT_EQ(mov::smartfit::RunFit(src.c_str(), out.c_str(), 1024, 768, 24), FitResult::Written);
    const Bitmap b = Output(576, 768, 24);
    EXPECT_TRUE(Same(b.At(10, 300), mov::Bgr{0, 0, 255}));
    EXPECT_TRUE(Same(b.At(250, 700), mov::Bgr{0, 0, 255}));
    EXPECT_TRUE(Same(b.At(330, 10), mov::Bgr{255, 0, 0}));
    EXPECT_TRUE(Same(b.At(575, 767), mov::Bgr{255, 0, 0}));
}

TEST_F(SmartFitFiles, NothingIsWrittenWhenThereIsNothingToFit) {
    // Unreadable source, missing source, zero-width screen, Rs = 0 for a tall picture.
    WriteFile(src, {'B', 'M', 0, 0});
    EXPECT_EQ(mov::smartfit::RunFit(src.c_str(), out.c_str(), 1024, 768, 24), FitResult::Unreadable);
    EXPECT_EQ(mov::smartfit::RunExtend(src.c_str(), out.c_str(), 1024, 768, 0, kBackground), FitResult::Unreadable);
    EXPECT_EQ(mov::smartfit::RunFit((dir / "none.bmp").c_str(), out.c_str(), 1024, 768, 24), FitResult::Unreadable);
    Picture(600, 800);
    EXPECT_EQ(mov::smartfit::RunFit(src.c_str(), out.c_str(), 0, 768, 24), FitResult::NoShape);
    EXPECT_EQ(mov::smartfit::RunExtend(src.c_str(), out.c_str(), 1024, 10, 0, kBackground), FitResult::NoShape);
    EXPECT_FALSE(Exists(out));
    // An output that cannot be created leaves nothing behind.
    const std::string bad = dir / "no/such/folder.bmp";
    EXPECT_EQ(mov::smartfit::RunFit(src.c_str(), bad.c_str(), 1024, 768, 24), FitResult::WriteFailed);
    EXPECT_EQ(mov::smartfit::RunExtend(src.c_str(), bad.c_str(), 1024, 768, 0, kBackground), FitResult::WriteFailed);
}

TEST_F(SmartFitFiles, AnExistingOutputIsReplaced) {
    WriteFile(out, std::vector<std::uint8_t>(3000000, 0x5A));
    Picture(600, 800);
    ASSERT_EQ(mov::smartfit::RunExtend(src.c_str(), out.c_str(), 1024, 768, 2, kBackground), FitResult::Written);
    EXPECT_EQ(ReadFile(out).size(), 54u + 3200u * 800);  // rows of 1066 x 3 bytes + 2 padding
    Output(1066, 800, 24);
}

}  // namespace
