// QuilletDll.dll loaded and called exactly as the main program does, on the 1024 x 768
// Wine desktop: LoadLibraryExA, GetProcAddress, three pushed arguments, FreeLibrary.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "framework/handle.h"
#include "image/bmp.h"
#include "test_support.h"

namespace {

using SmartFitFn = int(__cdecl*)(const char*, const char*, int);

std::string TempPath(const char* name) {
    char dir[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

using testsupport::FileExists;

// Loads the library, calls one export with (src, dst, position) and unloads it.
int CallSmartFit(const char* exportName, const std::string& src, const std::string& dst, int position) {
    fw::Module lib(LoadLibraryExA("QuilletDll.dll", nullptr, 0));
    EXPECT_TRUE(lib);
    if (!lib) return -1;
    auto fn = reinterpret_cast<SmartFitFn>(reinterpret_cast<void*>(GetProcAddress(lib.get(), exportName)));
    EXPECT_NE(fn, nullptr) << exportName;
    return fn ? fn(src.c_str(), dst.c_str(), position) : -1;
}

class QuilletDll : public ::testing::Test {
protected:
    std::string src = TempPath("movtest.BMP"), dst = TempPath("movtest2.BMP");

    void SetUp() override {
        DeleteFileA(dst.c_str());
        RECT r = {};
        ASSERT_TRUE(GetWindowRect(GetDesktopWindow(), &r));
        ASSERT_EQ(r.right, 1024);
        ASSERT_EQ(r.bottom, 768);
    }
    void TearDown() override {
        DeleteFileA(src.c_str());
        DeleteFileA(dst.c_str());
    }
    void Picture(int w, int h, mov::Bgr colour) {
        mov::Bitmap b;
        ASSERT_TRUE(b.Allocate(w, h));
        mov::FillRect(b, 0, 0, w, h, colour);
        ASSERT_EQ(mov::WriteBmpFile(src.c_str(), b), mov::BmpStatus::Ok);
    }
};

TEST_F(QuilletDll, ExportsOnlyTheTwoEntryPointsByTheirUnderscoredNames) {
    fw::Module lib(LoadLibraryExA("QuilletDll.dll", nullptr, 0));
    ASSERT_TRUE(lib);
    EXPECT_NE(GetProcAddress(lib.get(), "_Quillet"), nullptr);
    EXPECT_NE(GetProcAddress(lib.get(), "_Quillet2"), nullptr);
    EXPECT_EQ(GetProcAddress(lib.get(), "Quillet"), nullptr);
    EXPECT_EQ(GetProcAddress(lib.get(), "Quillet2"), nullptr);
}

TEST_F(QuilletDll, FitScalesToTheScreenInTheDisplaysDepth) {
    Picture(800, 400, mov::Bgr{10, 20, 30});
    EXPECT_EQ(CallSmartFit("_Quillet", src, dst, 2), 1);  // the position is pushed, and ignored
    const int bits = GetDeviceCaps(fw::WindowDc(nullptr).get(), BITSPIXEL);
    mov::Bitmap out;
    mov::BmpInfo info;
    ASSERT_EQ(mov::ReadBmpFile(dst.c_str(), &out, &info), mov::BmpStatus::Ok);
    EXPECT_EQ(info.width, 1024);
    EXPECT_EQ(info.height, 512);
    EXPECT_EQ(info.bitsPerPixel, bits == 32 ? 32 : 24);
    EXPECT_EQ(out.At(500, 250).r, 30);

    Picture(600, 800, mov::Bgr{10, 20, 30});
    EXPECT_EQ(CallSmartFit("_Quillet", src, dst, 0), 1);  // replaces the earlier output
    ASSERT_EQ(mov::ProbeBmpFile(dst.c_str(), &info), mov::BmpStatus::Ok);
    EXPECT_EQ(info.width, 576);
    EXPECT_EQ(info.height, 768);
}

TEST_F(QuilletDll, ExtendUsesTheDesktopColourAndThePosition) {
    const mov::Bgr bg = mov::BgrFromColorRef(GetSysColor(COLOR_BACKGROUND));
    const mov::Bgr pic{std::uint8_t(~bg.b), std::uint8_t(~bg.g), std::uint8_t(~bg.r)};
    Picture(600, 800, pic);
    for (int pos : {0, 1, 2, 7}) {
        EXPECT_EQ(CallSmartFit("_Quillet2", src, dst, pos), 1);
        mov::Bitmap out;
        mov::BmpInfo info;
        ASSERT_EQ(mov::ReadBmpFile(dst.c_str(), &out, &info), mov::BmpStatus::Ok);
        EXPECT_EQ(info.width, 1066);
        EXPECT_EQ(info.height, 800);
        EXPECT_EQ(info.bitsPerPixel, 24);
        // Column 100 is background when centred (copy at 233), picture when repeated.
        const mov::Bgr at = out.At(100, 400);
        const mov::Bgr want = pos == 1 || pos == 2 ? pic : bg;
        EXPECT_TRUE(at.b == want.b && at.g == want.g && at.r == want.r) << "position " << pos;
        EXPECT_EQ(out.At(233, 0).b, pic.b);
    }
}

TEST_F(QuilletDll, FailuresWriteNothingAndStillReturnOne) {
    const std::string missing = TempPath("movtest-missing.BMP");
    DeleteFileA(missing.c_str());
    EXPECT_EQ(CallSmartFit("_Quillet", missing, dst, 0), 1);
    EXPECT_EQ(CallSmartFit("_Quillet2", missing, dst, 0), 1);
    EXPECT_FALSE(FileExists(dst));
    // A file that only starts like a bitmap.
    ASSERT_TRUE(testsupport::WriteBytes(src, {'B', 'M', 'n', 'o', 'n', 's', 'e', 'n', 's', 'e'}));
    EXPECT_EQ(CallSmartFit("_Quillet", src, dst, 0), 1);
    EXPECT_EQ(CallSmartFit("_Quillet2", src, dst, 0), 1);
    EXPECT_FALSE(FileExists(dst));
}

}  // namespace
