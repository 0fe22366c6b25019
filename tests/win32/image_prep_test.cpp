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

// Larger than the 1024 x 768 screen: jpegfilt.dll's JpegToBmpRegion converts only the centred
// part, or a smart fit's picture at the coarsest scale that still covers the screen; a
// jpegfilt.dll without that export (the Windows 9x library stands in for another maker's,
// loaded first under the same name) converts the whole picture, as before.
TEST_F(ImagePrepTest, ConvertsOnlyWhatTheScreenNeedsWhereTheLibraryCan) {
    int32_t sw = 0, sh = 0;
    ASSERT_TRUE(mov::ScreenSize(&sw, &sh));
    ASSERT_EQ(std::to_string(sw) + "x" + std::to_string(sh), "1024x768") << "the tests' desktop";
    struct Case { int adjust; const char* picture; const char* screenSized; const char* whole; } cases[] = {
        {mov::kAdjustNo, "photo1101x900.jpg", "1024x768", "1101x900"},
        // A quarter (825 rows >= 768) would fit 953 wide, not 943 as the whole: a half.
        {mov::kAdjustSmart, "photo4100x3300.jpg", "2050x1650", "4100x3300"},
    };
    const std::string other = dir.file("other\\jpegfilt.dll");
    CreateDirectoryA(dir.file("other").c_str(), nullptr);
    ASSERT_TRUE(CopyFileA("jpegfilt95.dll", other.c_str(), FALSE));
    for (bool ours : {true, false}) {
        HMODULE first = ours ? nullptr : LoadLibraryA(other.c_str());
        ASSERT_TRUE(ours || first);
        for (const Case& c : cases) {
            s.TileWallPaper = mov::kPlaceCentre;
            s.Adjust = c.adjust;
            const std::string picture = pictures + "\\" + c.picture;
            ASSERT_TRUE(CopyFileA((std::string("testdata\\") + c.picture).c_str(), picture.c_str(), FALSE));
            DeleteFileA(mov::WorkBitmapPath(s).c_str());
            std::string bmp;
            mov::ConvertedJpeg made;
            mov::ConvertJpeg(s, picture, bmp, &made);
            EXPECT_EQ(BmpShape(bmp), ours ? c.screenSized : c.whole) << c.picture << (ours ? "" : ", other library");
            EXPECT_EQ(made.screenSized, ours);
            EXPECT_EQ(std::to_string(made.own.width) + "x" + std::to_string(made.own.height), c.whole);
        }
        if (first) FreeLibrary(first);
    }
}

}  // namespace
