// jpegfilt.dll, jpegfilt95.dll and Jpeg2bmp.exe called the way the main program calls them,
// and IFJPEG.SPI driven through its exports as a picture viewer drives it, under Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <malloc.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "../unit/jpeg_fixture.h"
#include "components/jpeg/jpeg_convert.h"
#include "components/jpeg/susie_plugin.h"
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

// What the portable converter makes of `jpeg`, in memory (at 1/scale of the size).
std::vector<uint8_t> ExpectedBmp(const std::vector<uint8_t>& jpeg, int scale = 1) {
    struct Sink : mov::ByteSink {
        std::vector<uint8_t> bytes;
        bool WriteAt(uint64_t off, const void* d, size_t n) override {
            if (bytes.size() < off + n) bytes.resize(off + n);
            std::memcpy(bytes.data() + off, d, n);
            return true;
        }
    } sink;
    jpeg::MemoryReader in(jpeg.data(), jpeg.size());
    jpeg::ConvertOptions options;
    options.scaleDenom = scale;
    EXPECT_EQ(jpeg::ConvertJpegToBmp(in, sink, options), jpeg::ConvertStatus::kOk);
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

// Both filter libraries, the 9x one replacing the bitmap without MoveFileExA.
class FilterLibrary : public JpegComponents, public ::testing::WithParamInterface<const char*> {};

TEST_P(FilterLibrary, WritesTheBitmapAtAJapanesePathAndKeepsItOnFailure) {
    // As the main program: load by name for one call, look up the export, unload.
    fw::Module lib(LoadLibraryExA(GetParam(), nullptr, 0));
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

    // Another picture replaces the bitmap.
    const std::vector<uint8_t> other = MakeJpeg(20, 9);
    ASSERT_TRUE(WriteBytes(src_, other));
    EXPECT_EQ(fn(s, b), 1);
    got = ReadBytes(bmp_);
    EXPECT_EQ(got, ExpectedBmp(other));

    // A damaged picture: result 0, the previous bitmap stays as it was, no leftovers.
    std::vector<uint8_t> cut(jpeg_.begin(), jpeg_.begin() + 90);
    ASSERT_TRUE(WriteBytes(src_, cut));
    EXPECT_EQ(fn(s, b), 0);
    EXPECT_EQ(ReadBytes(bmp_), got);
    EXPECT_FALSE(FileExists(bmp_ + ".jpgtmp"));
    EXPECT_FALSE(FileExists(bmp_ + ".jpgold"));
    EXPECT_EQ(fn(nullptr, b), 0);
    EXPECT_TRUE(FreeLibrary(lib.release()));
}

INSTANTIATE_TEST_SUITE_P(NtAnd9x, FilterLibrary, ::testing::Values("jpegfilt.dll", "jpegfilt95.dll"),
                         [](const auto& info) { return std::string(info.param).substr(0, std::string(info.param).find('.')); });

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

uint32_t Le32(const std::vector<uint8_t>& d, size_t at) {
    return d[at] | d[at + 1] << 8 | d[at + 2] << 16 | uint32_t(d[at + 3]) << 24;
}

// What a progress callback was told; the plug-in hands it back through lData.
struct ProgressCalls {
    std::vector<int> done;
    int total = 0;
    size_t cancelAt = 0;  // 1-based call answered with "stop"; 0: never
};

int WINAPI RecordProgress(int done, int total, LONG_PTR data) {
    auto* calls = reinterpret_cast<ProgressCalls*>(data);
    calls->done.push_back(done);
    calls->total = total;
    return calls->done.size() == calls->cancelAt ? 1 : 0;
}

// IFJPEG.SPI as a picture viewer uses it: loaded by name, its exports looked up.
class SusiePlugin : public ::testing::Test {
protected:
    void SetUp() override {
        lib_.reset(LoadLibraryA("IFJPEG.SPI"));
        ASSERT_TRUE(lib_);
        info_ = Export<spi::GetPluginInfoFn>("GetPluginInfo");
        isSupported_ = Export<spi::IsSupportedFn>("IsSupported");
        pictureInfo_ = Export<spi::GetPictureInfoFn>("GetPictureInfo");
        picture_ = Export<spi::GetPictureFn>("GetPicture");
        preview_ = Export<spi::GetPictureFn>("GetPreview");
        ASSERT_TRUE(info_ && isSupported_ && pictureInfo_ && picture_ && preview_);
        const char* source = std::getenv("MOV_SOURCE_DIR");
        ASSERT_NE(source, nullptr);
        corpus_ = std::string("Z:") + source + "\\tests\\fuzz\\corpus\\jpeg\\";
        for (char& c : corpus_)
            if (c == '/') c = '\\';
    }
    template <class Fn>
    Fn Export(const char* name) {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(lib_.get(), name)));
    }

    // Takes the two handles a picture call returned and checks them against the converter's
    // bitmap file: the BITMAPINFOHEADER and the bits, both handed over unlocked.
    static void ExpectBitmap(HLOCAL info, HLOCAL bits, const std::vector<uint8_t>& bmp) {
        ASSERT_TRUE(info && bits);
        ASSERT_GT(bmp.size(), 54u);
        EXPECT_EQ(LocalFlags(info) & LMEM_LOCKCOUNT, 0u);
        EXPECT_EQ(LocalFlags(bits) & LMEM_LOCKCOUNT, 0u);
        EXPECT_GE(LocalSize(info), sizeof(BITMAPINFO));
        ASSERT_GE(LocalSize(bits), bmp.size() - 54);
        const auto* head = static_cast<const uint8_t*>(LocalLock(info));
        const auto* pixels = static_cast<const uint8_t*>(LocalLock(bits));
        ASSERT_TRUE(head && pixels);
        EXPECT_EQ(std::vector<uint8_t>(head, head + 40), std::vector<uint8_t>(bmp.begin() + 14, bmp.begin() + 54));
        EXPECT_TRUE(std::equal(bmp.begin() + 54, bmp.end(), pixels));
        LocalUnlock(info);
        LocalUnlock(bits);
        EXPECT_EQ(LocalFree(info), nullptr);
        EXPECT_EQ(LocalFree(bits), nullptr);
    }

    fw::Module lib_;
    spi::GetPluginInfoFn info_ = nullptr;
    spi::IsSupportedFn isSupported_ = nullptr;
    spi::GetPictureInfoFn pictureInfo_ = nullptr;
    spi::GetPictureFn picture_ = nullptr;
    spi::GetPictureFn preview_ = nullptr;
    std::string corpus_;
    testsupport::ScratchDir dir_{"susie_plugin"};
};

TEST_F(SusiePlugin, PluginInfoTexts) {
    struct {
        int infoNo, bufLen;
        const char* text;  // what lands in the buffer; its length is the result
    } table[] = {
        {0, 64, "00IN"}, {2, 64, "*.jpg;*.jpeg;*.jpe;*.jfif"}, {3, 64, "JPEG"},
        {2, 5, "*.jp"},  // cut to fit, still terminated
        {4, 64, ""}, {-1, 64, ""}, {0, 0, ""},
    };
    for (const auto& row : table) {
        char buf[64];
        std::memset(buf, 0, sizeof buf);
        EXPECT_EQ(info_(row.infoNo, buf, row.bufLen), static_cast<int>(std::strlen(row.text))) << row.infoNo;
        EXPECT_STREQ(buf, row.text) << row.infoNo;
    }
    char name[128] = {};
    EXPECT_GT(info_(1, name, sizeof name), 0);
    EXPECT_EQ(std::string(name).rfind("IFJPEG.SPI ", 0), 0u) << name;
}

// Every corpus picture (sampling kinds, progressive, grey, CMYK, restarts, EXIF orientation 6),
// from a file, from a file at an offset and from memory, gives the converter's bitmap.
TEST_F(SusiePlugin, CorpusPicturesEqualTheConvertersBitmap) {
    for (const char* name : {"baseline420.jpg", "baseline444.jpg", "cmyk.jpg", "exif6.jpg", "grey.jpg",
                             "progressive.jpg", "restart422.jpg"}) {
        SCOPED_TRACE(name);
        const std::string path = corpus_ + name;
        const std::vector<uint8_t> jpeg = ReadBytes(path);
        ASSERT_FALSE(jpeg.empty());
        const std::vector<uint8_t> bmp = ExpectedBmp(jpeg);

        std::vector<char> head(spi::kProbeSize, 0);
        std::memcpy(head.data(), jpeg.data(), std::min(jpeg.size(), head.size()));
        EXPECT_NE(isSupported_(path.c_str(), reinterpret_cast<ULONG_PTR>(head.data())), 0);
        fw::Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(file);
        EXPECT_NE(isSupported_(path.c_str(), reinterpret_cast<ULONG_PTR>(file.get())), 0);
        EXPECT_EQ(SetFilePointer(file.get(), 0, nullptr, FILE_CURRENT), 0u);  // left where it was

        spi::PictureInfo info;
        std::memset(&info, 0x55, sizeof info);
        ASSERT_EQ(pictureInfo_(path.c_str(), 0, spi::kInputFile, &info), spi::kOk);
        EXPECT_EQ(info.left + info.top, 0);
        EXPECT_EQ(static_cast<uint32_t>(info.width), Le32(bmp, 18));
        EXPECT_EQ(static_cast<uint32_t>(info.height), Le32(bmp, 22));
        EXPECT_EQ(info.colorDepth, 24);
        EXPECT_EQ(info.hInfo, nullptr);

        HLOCAL hInfo = nullptr, hBits = nullptr;
        ASSERT_EQ(picture_(path.c_str(), 0, spi::kInputFile, &hInfo, &hBits, nullptr, 0), spi::kOk);
        ExpectBitmap(hInfo, hBits, bmp);

        // After 128 bytes of something else, as in a MacBinary file.
        std::vector<uint8_t> wrapped(128 + jpeg.size(), 0xA5);
        std::copy(jpeg.begin(), jpeg.end(), wrapped.begin() + 128);
        const std::string at128 = dir_.file("wrapped.bin");
        ASSERT_TRUE(WriteBytes(at128, wrapped));
        ASSERT_EQ(picture_(at128.c_str(), 128, spi::kInputFile, &hInfo, &hBits, nullptr, 0), spi::kOk);
        ExpectBitmap(hInfo, hBits, bmp);

        const auto* bytes = reinterpret_cast<const char*>(jpeg.data());
        ASSERT_EQ(pictureInfo_(bytes, static_cast<LONG_PTR>(jpeg.size()), spi::kInputMemory, &info), spi::kOk);
        EXPECT_EQ(static_cast<uint32_t>(info.width), Le32(bmp, 18));
        ASSERT_EQ(picture_(bytes, static_cast<LONG_PTR>(jpeg.size()), spi::kInputMemory, &hInfo, &hBits, nullptr, 0),
                  spi::kOk);
        ExpectBitmap(hInfo, hBits, bmp);
    }
}

TEST_F(SusiePlugin, PreviewIsDecodedAtAQuarterOfTheSize) {
    const std::vector<uint8_t> jpeg = MakeJpeg(203, 121);
    const std::string path = dir_.file("big.jpg");
    ASSERT_TRUE(WriteBytes(path, jpeg));
    HLOCAL hInfo = nullptr, hBits = nullptr;
    ASSERT_EQ(preview_(path.c_str(), 0, spi::kInputFile, &hInfo, &hBits, nullptr, 0), spi::kOk);
    const std::vector<uint8_t> quarter = ExpectedBmp(jpeg, 4);
    EXPECT_EQ(Le32(quarter, 18), 51u);
    EXPECT_EQ(Le32(quarter, 22), 31u);
    ExpectBitmap(hInfo, hBits, quarter);
}

// Damaged and foreign input: the convention's result codes, and no handles handed out.
TEST_F(SusiePlugin, DamagedAndForeignInputIsAnswered) {
    const std::vector<uint8_t> jpeg = MakeJpeg(64, 48);
    const std::string bmpPath = dir_.file("foreign.bmp");
    testsupport::WriteBmp(bmpPath, 8, 8);
    struct {
        const char* what;
        std::vector<uint8_t> bytes;  // written to a file first, unless the path is given
        const char* path;
        unsigned flag;
        int supported, result;
    } table[] = {
        {"cut in the headers", {jpeg.begin(), jpeg.begin() + 90}, nullptr, spi::kInputFile, 1, spi::kCorrupt},
        {"a bitmap", {}, bmpPath.c_str(), spi::kInputFile, 0, spi::kUnknownFormat},
        {"an empty file", {}, nullptr, spi::kInputFile, 0, spi::kUnknownFormat},
        {"no such file", {}, "Z:\\no\\such\\picture.jpg", spi::kInputFile, -1, spi::kReadError},
        {"an input kind it does not know", jpeg, nullptr, 2, -1, spi::kNotImplemented},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.what);
        std::string path = row.path ? row.path : dir_.file("input.jpg");
        if (!row.path) {
            ASSERT_TRUE(WriteBytes(path, row.bytes));
        }
        if (row.supported >= 0) {
            std::vector<uint8_t> head = row.path ? ReadBytes(path) : row.bytes;
            head.resize(spi::kProbeSize, 0);
            EXPECT_EQ(isSupported_(path.c_str(), reinterpret_cast<ULONG_PTR>(head.data())) != 0, row.supported == 1);
        }
        spi::PictureInfo info{};
        EXPECT_EQ(pictureInfo_(path.c_str(), 0, row.flag, &info), row.result);
        HLOCAL hInfo = reinterpret_cast<HLOCAL>(1), hBits = reinterpret_cast<HLOCAL>(2);
        EXPECT_EQ(picture_(path.c_str(), 0, row.flag, &hInfo, &hBits, nullptr, 0), row.result);
        EXPECT_EQ(hInfo, reinterpret_cast<HLOCAL>(1));
        EXPECT_EQ(hBits, reinterpret_cast<HLOCAL>(2));
    }
    // Cut inside the compressed data: the decoded part and the rest filled, as the converter does.
    size_t scan = 2;
    while (scan + 1 < jpeg.size() && !(jpeg[scan] == 0xFF && jpeg[scan + 1] == 0xDA)) ++scan;
    ASSERT_LT(scan + 40, jpeg.size());
    const std::vector<uint8_t> half(jpeg.begin(), jpeg.begin() + static_cast<long>((scan + jpeg.size()) / 2));
    HLOCAL hInfo = nullptr, hBits = nullptr;
    ASSERT_EQ(picture_(reinterpret_cast<const char*>(half.data()), static_cast<LONG_PTR>(half.size()),
                       spi::kInputMemory, &hInfo, &hBits, nullptr, 0),
              spi::kOk);
    ExpectBitmap(hInfo, hBits, ExpectedBmp(half));
}

// The callback sees the work grow to its end with the caller's data; a non-zero answer stops
// the picture: result 1, nothing handed out, no call after that.
TEST_F(SusiePlugin, ProgressCallbackIsToldAndCanCancel) {
    const std::vector<uint8_t> jpeg = MakeJpeg(40, 300);
    const auto* bytes = reinterpret_cast<const char*>(jpeg.data());
    const auto size = static_cast<LONG_PTR>(jpeg.size());
    ProgressCalls seen;
    HLOCAL hInfo = nullptr, hBits = nullptr;
    ASSERT_EQ(picture_(bytes, size, spi::kInputMemory, &hInfo, &hBits, RecordProgress, reinterpret_cast<LONG_PTR>(&seen)),
              spi::kOk);
    ExpectBitmap(hInfo, hBits, ExpectedBmp(jpeg));
    ASSERT_GE(seen.done.size(), 10u);
    EXPECT_EQ(seen.done.front(), 0);
    EXPECT_EQ(seen.done.back(), seen.total);
    EXPECT_TRUE(std::is_sorted(seen.done.begin(), seen.done.end()));

    ProgressCalls stopped;
    stopped.cancelAt = 4;
    hInfo = hBits = nullptr;
    EXPECT_EQ(picture_(bytes, size, spi::kInputMemory, &hInfo, &hBits, RecordProgress, reinterpret_cast<LONG_PTR>(&stopped)),
              spi::kCancelled);
    EXPECT_EQ(stopped.done.size(), 4u);
    EXPECT_EQ(hInfo, nullptr);
    EXPECT_EQ(hBits, nullptr);
}

// The runtime of the Windows 9x libraries (own entry point instead of the MinGW start-up code),
// tried on a small library built the same way, loaded and unloaded twice.
TEST(Win9xRuntime, ConstructsCatchesAndDestructs) {
    int unloads = 0;
    for (int round = 1; round <= 2; ++round) {
        fw::Module lib(LoadLibraryA("win9x_probe.dll"));
        ASSERT_TRUE(lib);
        auto constructed = reinterpret_cast<int (*)()>(reinterpret_cast<void*>(GetProcAddress(lib.get(), "ProbeConstructed")));
        auto catches = reinterpret_cast<int (*)(int)>(reinterpret_cast<void*>(GetProcAddress(lib.get(), "ProbeCatches")));
        auto count = reinterpret_cast<void (*)(int*)>(reinterpret_cast<void*>(GetProcAddress(lib.get(), "ProbeCountUnloads")));
        ASSERT_TRUE(constructed && catches && count);
        EXPECT_EQ(constructed(), 42);
        EXPECT_EQ(catches(7), 2);
        count(&unloads);
        EXPECT_TRUE(FreeLibrary(lib.release()));
        EXPECT_EQ(unloads, round);
    }
}

// What the C runtime's heap, which our libraries share with the program that loads them,
// holds in use.
long long CrtHeapInUse() {
    _HEAPINFO h{};
    long long used = 0;
    while (_heapwalk(&h) == _HEAPOK)
        if (h._useflag == _USEDENTRY) used += static_cast<long long>(h._size);
    return used;
}

// The main program loads the JPEG filter and the smart fit anew for every change: each
// library gives back at its unloading what its loading took.
TEST(LibraryUnload, LoadingAgainAndAgainKeepsNoMemory) {
    for (const char* name : {"jpegfilt.dll", "QuilletDll.dll", "jpegfilt95.dll", "IFJPEG.SPI", "UnLha32.dll"}) {
        auto loadAndFree = [name] { EXPECT_TRUE(fw::Module(LoadLibraryA(name))) << name; };
        loadAndFree();
        const long long before = CrtHeapInUse();
        for (int i = 0; i < 20; ++i) loadAndFree();
        EXPECT_LT(CrtHeapInUse() - before, 16 * 1024) << name;
    }
}

}  // namespace
