// JPEG conversion by both routes and the smart-fit call, with the shipped components.
#include <gtest/gtest.h>
#include <windows.h>
#include "engine/image_prep.h"
#include "engine/work_files.h"
#include "settings/busy_handshake.h"
#include "test_support.h"
#include "settings/settings_codes.h"

namespace {

using testsupport::BmpSize;
using testsupport::ClockScope;
using testsupport::CountingClock;
using testsupport::FileExists;
using testsupport::ReadBytes;
using testsupport::ScratchDir;

class ImagePrepTest : public ::testing::Test {
protected:
    ImagePrepTest() : dir("movprep") {
        s.TempFolder = dir.path();
        s.UserName = "tester";
        s.OsKind = mov::kOs2000;
        s.ReadTimeOut = 60;
        // A folder name with blanks and Japanese characters, as users have them.
        pictures = dir.file("my 写真");
        CreateDirectoryA(pictures.c_str(), nullptr);
        jpeg = pictures + "\\photo 一枚.jpg";
        CopyFileA("testdata\\photo120x80.jpg", jpeg.c_str(), FALSE);
    }
    void WorkPicture(int w, int h) { testsupport::WriteBmp(mov::WorkBitmapPath(s), w, h); }

    ScratchDir dir;
    mov::SettingsRecord s;
    std::string pictures, jpeg;
};

TEST_F(ImagePrepTest, FilterLibraryConvertsWithoutWaiting) {
    ASSERT_TRUE(FileExists(jpeg)) << "fixture missing";
    CountingClock clock(0);
    ClockScope scope(clock);
    std::string bmp;
    EXPECT_EQ(mov::ConvertJpeg(s, jpeg, bmp), 1);
    EXPECT_EQ(bmp, dir.file("tester.BMP"));
    int32_t w = 0, h = 0;
    ASSERT_TRUE(BmpSize(bmp, w, h));
    EXPECT_EQ(w, 120);
    EXPECT_EQ(h, 80);
    EXPECT_EQ(clock.sleeps, 0);
}

TEST_F(ImagePrepTest, ConverterProgramRunsOnWindows9xAndWithThe9xReader) {
    for (int os : {1, 3}) {
        s.OsKind = os;
        s.SusiePlugIn = os == 3 ? 1 : 0;
        DeleteFileA(mov::WorkBitmapPath(s).c_str());
        CountingClock clock(50);
        ClockScope scope(clock);
        std::string bmp;
        EXPECT_EQ(mov::ConvertJpeg(s, jpeg, bmp), 1);
        int32_t w = 0, h = 0;
        ASSERT_TRUE(BmpSize(bmp, w, h)) << "OsKind " << os;
        EXPECT_EQ(w, 120);
        EXPECT_EQ(h, 80);
        EXPECT_GE(clock.sleeps, 1);
        EXPECT_LT(clock.sleeps, 61);  // the converter cleared the flag
        EXPECT_TRUE(mov::BusyFlagCleared());
    }
}

TEST_F(ImagePrepTest, SmartFitsShapeTheWorkBitmapForTheScreen) {
    struct Case { int adjust, pos, w, h, outW, outH; } cases[] = {
        {3, 0, 800, 400, 1024, 512},
        {3, 2, 600, 800, 576, 768},  // _Quillet ignores the position
        {4, 0, 800, 400, 800, 600},
    };
    for (const Case& c : cases) {
        WorkPicture(c.w, c.h);
        EXPECT_EQ(mov::SmartFit(s, c.adjust, c.pos), 1);
        int32_t w = 0, h = 0;
        ASSERT_TRUE(BmpSize(mov::WorkBitmapPath(s), w, h));
        EXPECT_EQ(w, c.outW) << "Adjust " << c.adjust << " from " << c.w << "x" << c.h;
        EXPECT_EQ(h, c.outH);
        EXPECT_FALSE(FileExists(mov::SmartFitOutputPath(s)));
    }
}

TEST_F(ImagePrepTest, FailedSmartFitKeepsTheUnfittedPicture) {
    const std::vector<unsigned char> notABitmap = {'n', 'o', 't', ' ', 'a', ' ', 'B', 'M', 'P'};
    for (int os : {1, 3}) {
        s.OsKind = os;
        testsupport::WriteBytes(mov::WorkBitmapPath(s), notABitmap);
        // An output left over from earlier must not take the picture's place either.
        testsupport::WriteBmp(mov::SmartFitOutputPath(s), 10, 10);
        mov::SmartFit(s, 3, 0);
        EXPECT_EQ(ReadBytes(mov::WorkBitmapPath(s)), notABitmap) << "OsKind " << os;
    }
}

}  // namespace
