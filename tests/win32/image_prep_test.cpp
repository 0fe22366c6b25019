// JPEG conversion by both routes and the smart-fit call, with the shipped components.
#include <gtest/gtest.h>
#include <windows.h>
#include "engine/image_prep.h"
#include "engine/work_files.h"
#include "settings/busy_flag.h"
#include "settings/settings_codes.h"
#include "test_support.h"

namespace {

using testsupport::BmpShape;
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
    EXPECT_EQ(BmpShape(bmp), "120x80");
    EXPECT_EQ(clock.sleeps, 0);
}

TEST_F(ImagePrepTest, ConverterProgramRunsOnWindows9xAndWithThe9xReader) {
    for (int os : {mov::kOs9x, mov::kOs2000}) {
        s.OsKind = os;
        s.SusiePlugIn = os == mov::kOs2000 ? 1 : 0;
        DeleteFileA(mov::WorkBitmapPath(s).c_str());
        CountingClock clock(1000, mov::BusyFlagCleared);
        ClockScope scope(clock);
        std::string bmp;
        EXPECT_EQ(mov::ConvertJpeg(s, jpeg, bmp), 1);
        EXPECT_EQ(BmpShape(bmp), "120x80") << "OsKind " << os;
        EXPECT_GE(clock.sleeps, 1);
        EXPECT_LT(clock.sleeps, 61);  // the converter cleared the flag
        EXPECT_TRUE(mov::BusyFlagCleared());
    }
}

TEST_F(ImagePrepTest, SmartFitsShapeTheWorkBitmapForTheScreen) {
    struct Case { int adjust, pos, w, h, outW, outH; } cases[] = {
        {mov::kAdjustSmart, 0, 800, 400, 1024, 512},
        {mov::kAdjustSmart, 2, 600, 800, 576, 768},  // _Quillet ignores the position
        {mov::kAdjustSmart2, 0, 800, 400, 800, 600},
    };
    for (const Case& c : cases) {
        WorkPicture(c.w, c.h);
        EXPECT_EQ(mov::SmartFit(s, c.adjust, c.pos), 1);
        EXPECT_EQ(BmpShape(mov::WorkBitmapPath(s)), std::to_string(c.outW) + "x" + std::to_string(c.outH))
            << "Adjust " << c.adjust << " from " << c.w << "x" << c.h;
        EXPECT_FALSE(FileExists(mov::SmartFitOutputPath(s)));
    }
}

TEST_F(ImagePrepTest, FailedSmartFitKeepsTheUnfittedPicture) {
    const std::vector<unsigned char> notABitmap = {'n', 'o', 't', ' ', 'a', ' ', 'B', 'M', 'P'};
    for (int os : {mov::kOs9x, mov::kOs2000}) {
        s.OsKind = os;
        testsupport::WriteBytes(mov::WorkBitmapPath(s), notABitmap);
        // An output left over from earlier must not take the picture's place either.
        testsupport::WriteBmp(mov::SmartFitOutputPath(s), 10, 10);
        mov::SmartFit(s, mov::kAdjustSmart, mov::kSmartCenter);
        EXPECT_EQ(ReadBytes(mov::WorkBitmapPath(s)), notABitmap) << "OsKind " << os;
    }
}

}  // namespace
