// jpegfilt.dll and Jpeg2bmp.exe called the way the main program calls them, under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "../unit/jpeg_fixture.h"
#include "components/jpeg/jpeg_convert.h"
#include "framework/handle.h"
#include "settings/busy_flag.h"
#include "test_support.h"

namespace {

using testsupport::FileExists;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

// Left half red, right half blue, at an odd size so rows carry padding.
std::vector<uint8_t> MakeJpeg(uint32_t w, uint32_t h) {
    testsupport::JpegShape shape;
    shape.width = w;
    shape.height = h;
    return testsupport::EncodeJpeg(shape, [w](uint32_t x, uint32_t, uint8_t* px) {
        px[0] = x < w / 2 ? 255 : 0;
        px[1] = 0;
        px[2] = x < w / 2 ? 0 : 255;
    });
}

// What the portable converter makes of `jpeg`, in memory.
std::vector<uint8_t> ExpectedBmp(const std::vector<uint8_t>& jpeg) {
    struct Sink : mov::ByteSink {
        std::vector<uint8_t> bytes;
        bool WriteAt(uint64_t off, const void* d, size_t n) override {
            if (bytes.size() < off + n) bytes.resize(off + n);
            std::memcpy(bytes.data() + off, d, n);
            return true;
        }
    } sink;
    jpeg::MemoryReader in(jpeg.data(), jpeg.size());
    EXPECT_EQ(jpeg::ConvertJpegToBmp(in, sink), jpeg::ConvertStatus::kOk);
    return sink.bytes;
}

// Runs a command line and returns the exit code (-1 when it did not start or end).
DWORD RunAndWait(const std::string& commandLine) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return static_cast<DWORD>(-1);
    fw::Handle process(pi.hProcess), thread(pi.hThread);
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.get(), 30000) == WAIT_OBJECT_0) GetExitCodeProcess(process.get(), &code);
    return code;
}

class JpegComponents : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_GT(GetTempPathA(sizeof temp, temp), 0u);
        // Blanks and Japanese in the folder name; "表" and "ソ" end in a 0x5C byte.
        dir_ = std::string(temp) + "Movani 壁紙 表示ソフト";
        CreateDirectoryA(dir_.c_str(), nullptr);
        ASSERT_TRUE(FileExists(dir_));
        jpeg_ = MakeJpeg(37, 23);
        src_ = dir_ + "\\写真 1.jpg";
        bmp_ = dir_ + "\\user name.BMP";
        ASSERT_TRUE(WriteBytes(src_, jpeg_));
        DeleteFileA(bmp_.c_str());
    }
    void TearDown() override {
        DeleteFileA(src_.c_str());
        DeleteFileA(bmp_.c_str());
        DeleteFileA((bmp_ + ".jpgtmp").c_str());
        RemoveDirectoryA(dir_.c_str());
    }
    std::string dir_, src_, bmp_;
    std::vector<uint8_t> jpeg_;
};

TEST_F(JpegComponents, TheWinePrefixUsesTheJapaneseCodePage) {
    // Without code page 932 the Japanese paths below would not be Shift-JIS paths.
    EXPECT_EQ(GetACP(), 932u);
}

using JpegToBmpFn = int(__cdecl*)(const char*, const char*);

TEST_F(JpegComponents, FilterLibraryWritesTheBitmapAtAJapanesePath) {
    // As the main program: load by name for one call, look up the export, unload.
    fw::Module lib(LoadLibraryExA("jpegfilt.dll", nullptr, 0));
    ASSERT_TRUE(lib);
    auto fn = reinterpret_cast<JpegToBmpFn>(reinterpret_cast<void*>(GetProcAddress(lib.get(), "JpegToBmp")));
    ASSERT_NE(fn, nullptr);
    char s[256], b[256];  // the caller's 256-byte buffers
    lstrcpynA(s, src_.c_str(), sizeof s);
    lstrcpynA(b, bmp_.c_str(), sizeof b);
    EXPECT_EQ(fn(s, b), 1);
    std::vector<uint8_t> got = ReadBytes(bmp_);
    EXPECT_EQ(got, ExpectedBmp(jpeg_));
    ASSERT_GT(got.size(), 54u + 3);
    // Bottom-left pixel (first in the file) is red, stored blue-green-red.
    EXPECT_GT(got[54 + 2], 240);
    EXPECT_LT(got[54 + 0], 15);

    // A damaged picture: result 0, the previous bitmap stays as it was, no leftovers.
    std::vector<uint8_t> cut(jpeg_.begin(), jpeg_.begin() + 90);
    ASSERT_TRUE(WriteBytes(src_, cut));
    EXPECT_EQ(fn(s, b), 0);
    EXPECT_EQ(ReadBytes(bmp_), got);
    EXPECT_FALSE(FileExists(bmp_ + ".jpgtmp"));
    EXPECT_EQ(fn(nullptr, b), 0);
    EXPECT_TRUE(FreeLibrary(lib.release()));
}

TEST_F(JpegComponents, ConverterProgramConvertsThenClearsTheBusyFlag) {
    // As the main program: flag 1, WinExec with both paths quoted, poll for 0.
    mov::SetBusyFlag(1);
    std::string line = "Jpeg2bmp.exe \"" + src_ + "\" \"" + bmp_ + "\"";
    ASSERT_GT(WinExec(line.c_str(), SW_HIDE), 31u);
    ASSERT_TRUE(testsupport::WaitUntilBusyFlagCleared(30000));
    EXPECT_EQ(ReadBytes(bmp_), ExpectedBmp(jpeg_));
}

TEST_F(JpegComponents, ConverterClearsTheFlagAlsoWhenItFails) {
    const std::vector<uint8_t> previous = {'B', 'M', 'o', 'l', 'd'};
    const std::vector<uint8_t> cut(jpeg_.begin(), jpeg_.begin() + 90);
    const std::string both = "Jpeg2bmp.exe \"" + src_ + "\" \"" + bmp_ + "\"";
    struct {
        std::string line;
        const std::vector<uint8_t>* source;  // written first, unless null
        DWORD exitCode;                      // 2 wrong arguments, 1 unreadable picture, 0 done
    } table[] = {
        {"Jpeg2bmp.exe", nullptr, 2},
        {"Jpeg2bmp.exe \"" + src_ + "\"", nullptr, 2},
        {both, &cut, 1},
        {both, &jpeg_, 0},
    };
    ASSERT_TRUE(WriteBytes(bmp_, previous));
    for (const auto& row : table) {
        if (row.source) {
            ASSERT_TRUE(WriteBytes(src_, *row.source));
        }
        mov::SetBusyFlag(1);
        EXPECT_EQ(RunAndWait(row.line), row.exitCode) << row.line;
        EXPECT_TRUE(mov::BusyFlagCleared()) << row.line;
        // The old bitmap stays untouched until a conversion succeeds.
        EXPECT_EQ(ReadBytes(bmp_), row.exitCode == 0 ? ExpectedBmp(jpeg_) : previous) << row.line;
    }
}

}  // namespace
