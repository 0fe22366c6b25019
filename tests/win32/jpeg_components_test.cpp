// jpegfilt.dll and Jpeg2bmp.exe called the way the main program calls them, under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "components/jpeg/jpeg_convert.h"
#include "framework/reg_key.h"

namespace {

const char kGroupKey[] = "Software\\Farnwick\\MovAni32\\Group";

// Left half red, right half blue, at an odd size so rows carry padding.
std::vector<uint8_t> MakeJpeg(uint32_t w, uint32_t h) {
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = w;
    c.image_height = h;
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> row(w * 3);
    for (uint32_t x = 0; x < w; ++x) {
        row[x * 3] = x < w / 2 ? 255 : 0;
        row[x * 3 + 1] = 0;
        row[x * 3 + 2] = x < w / 2 ? 0 : 255;
    }
    while (c.next_scanline < h) {
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::vector<uint8_t> out(mem, mem + size);
    free(mem);
    return out;
}

// What the portable converter makes of `jpeg`, in memory.
std::vector<uint8_t> ExpectedBmp(const std::vector<uint8_t>& jpeg) {
    struct Sink : jpeg::ByteWriter {
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

bool WriteAll(const std::string& path, const std::vector<uint8_t>& bytes) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD put = 0;
    BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
    CloseHandle(h);
    return ok && put == bytes.size();
}

std::vector<uint8_t> ReadAll(const std::string& path) {
    std::vector<uint8_t> bytes;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return bytes;
    DWORD size = GetFileSize(h, nullptr), got = 0;
    bytes.resize(size);
    if (!ReadFile(h, bytes.data(), size, &got, nullptr) || got != size) bytes.clear();
    CloseHandle(h);
    return bytes;
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

int32_t BusyFlag() {
    fw::RegKey key;
    int32_t v = -1;
    if (key.Create(HKEY_CURRENT_USER, kGroupKey) == ERROR_SUCCESS) key.QueryDword("LhaArchiveing", v);
    return v;
}

void SetBusyFlag(uint32_t v) {
    fw::RegKey key;
    ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kGroupKey), ERROR_SUCCESS);
    ASSERT_EQ(key.SetDword("LhaArchiveing", v), ERROR_SUCCESS);
}

// The main program's wait, with short steps: true once the flag reads 0.
bool WaitForIdle(int seconds) {
    for (int i = 0; i < seconds * 10; ++i) {
        if (BusyFlag() == 0) return true;
        Sleep(100);
    }
    return false;
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
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
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
        ASSERT_TRUE(WriteAll(src_, jpeg_));
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
    HMODULE lib = LoadLibraryExA("jpegfilt.dll", nullptr, 0);
    ASSERT_NE(lib, nullptr);
    auto fn = reinterpret_cast<JpegToBmpFn>(reinterpret_cast<void*>(GetProcAddress(lib, "JpegToBmp")));
    ASSERT_NE(fn, nullptr);
    char s[256], b[256];  // the caller's 256-byte buffers
    lstrcpynA(s, src_.c_str(), sizeof s);
    lstrcpynA(b, bmp_.c_str(), sizeof b);
    EXPECT_EQ(fn(s, b), 1);
    std::vector<uint8_t> got = ReadAll(bmp_);
    EXPECT_EQ(got, ExpectedBmp(jpeg_));
    ASSERT_GT(got.size(), 54u + 3);
    // Bottom-left pixel (first in the file) is red, stored blue-green-red.
    EXPECT_GT(got[54 + 2], 240);
    EXPECT_LT(got[54 + 0], 15);

    // A damaged picture: result 0, the previous bitmap stays as it was, no leftovers.
    std::vector<uint8_t> cut(jpeg_.begin(), jpeg_.begin() + 90);
    ASSERT_TRUE(WriteAll(src_, cut));
    EXPECT_EQ(fn(s, b), 0);
    EXPECT_EQ(ReadAll(bmp_), got);
    EXPECT_FALSE(FileExists(bmp_ + ".jpgtmp"));
    EXPECT_EQ(fn(nullptr, b), 0);
    EXPECT_TRUE(FreeLibrary(lib));
}

TEST_F(JpegComponents, ConverterProgramConvertsThenClearsTheBusyFlag) {
    // As the main program: flag 1, WinExec with both paths quoted, poll for 0.
    SetBusyFlag(1);
    std::string line = "Jpeg2bmp.exe \"" + src_ + "\" \"" + bmp_ + "\"";
    ASSERT_GT(WinExec(line.c_str(), SW_HIDE), 31u);
    ASSERT_TRUE(WaitForIdle(30));
    EXPECT_EQ(ReadAll(bmp_), ExpectedBmp(jpeg_));
}

TEST_F(JpegComponents, ConverterClearsTheFlagAlsoWhenItFails) {
    // Wrong arguments: its own exit code, flag cleared.
    SetBusyFlag(1);
    EXPECT_EQ(RunAndWait("Jpeg2bmp.exe"), 2u);
    EXPECT_EQ(BusyFlag(), 0);
    SetBusyFlag(1);
    EXPECT_EQ(RunAndWait("Jpeg2bmp.exe \"" + src_ + "\""), 2u);
    EXPECT_EQ(BusyFlag(), 0);

    // A picture that cannot be read: exit code 1, flag cleared, old bitmap untouched.
    const std::vector<uint8_t> previous = {'B', 'M', 'o', 'l', 'd'};
    ASSERT_TRUE(WriteAll(bmp_, previous));
    ASSERT_TRUE(WriteAll(src_, std::vector<uint8_t>(jpeg_.begin(), jpeg_.begin() + 90)));
    SetBusyFlag(1);
    EXPECT_EQ(RunAndWait("Jpeg2bmp.exe \"" + src_ + "\" \"" + bmp_ + "\""), 1u);
    EXPECT_EQ(BusyFlag(), 0);
    EXPECT_EQ(ReadAll(bmp_), previous);

    // Success through the same route gives exit code 0.
    ASSERT_TRUE(WriteAll(src_, jpeg_));
    SetBusyFlag(1);
    EXPECT_EQ(RunAndWait("Jpeg2bmp.exe \"" + src_ + "\" \"" + bmp_ + "\""), 0u);
    EXPECT_EQ(BusyFlag(), 0);
    EXPECT_EQ(ReadAll(bmp_), ExpectedBmp(jpeg_));
}

}  // namespace
