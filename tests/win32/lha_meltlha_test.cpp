// MeltLha.exe and UnLha32.dll under Wine, started by WinExec with the main program's exact
// command lines; the busy flag must come back to 0 every time.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>
#include "components/lha/unlha32.h"
#include "../unit/lha_test_archives.h"
#include "settings/busy_flag.h"
#include "test_support.h"

namespace {

using lhatest::Entry;

using testsupport::FileExists;
const std::string kGazou = "\x89\xE6\x91\x9C.bmp";  // 画像.bmp in Shift-JIS (the ANSI code page here)

// The handshake as the main program runs it: flag 1, WinExec, wait for 0.
::testing::AssertionResult RunMelt(const std::string& commandLine) {
    mov::SetBusyFlag(1);
    UINT rc = WinExec(commandLine.c_str(), SW_HIDE);
    if (rc <= 31) return ::testing::AssertionFailure() << "WinExec " << rc << ": " << commandLine;
    if (testsupport::WaitUntilBusyFlagCleared(30000)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "LhaArchiveing not cleared after " << commandLine;
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }
std::string ListLine(const std::string& archive, const std::string& temp) {
    return "MeltLha.exe " + Quoted(archive) + " " + Quoted(temp + "\\MovList.tmp");
}
std::string UnpackLine(const std::string& archive, const std::string& temp, const std::string& member) {
    return "MeltLha.exe " + Quoted(archive) + " " + Quoted(temp + "\\") + " " + Quoted(member);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0, end;
    while ((end = text.find("\r\n", start)) != std::string::npos) {
        out.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

class MeltLhaTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmp[MAX_PATH];
        GetTempPathA(MAX_PATH, tmp);
        temp_ = std::string(tmp) + "lha_melt_" + std::to_string(GetCurrentProcessId());
        work_ = temp_ + "\\work";  // the TempFolder the main program would pass
        CreateDirectoryA(temp_.c_str(), nullptr);
        CreateDirectoryA(work_.c_str(), nullptr);
        const char* bin = std::getenv("MOV_BINARY_DIR");
        ASSERT_NE(bin, nullptr);
        fixtures_ = std::string("Z:") + bin + "/lha-fixtures";
        for (char& c : fixtures_)
            if (c == '/') c = '\\';
        ASSERT_TRUE(FileExists(fixtures_ + "\\.done")) << fixtures_;
    }
    void TearDown() override {
        RemoveTree(temp_);
    }
    static void RemoveTree(const std::string& dir) {
        WIN32_FIND_DATAA fd;
        HANDLE h = FindFirstFileA((dir + "\\*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                std::string n = fd.cFileName;
                if (n == "." || n == "..") continue;
                std::string p = dir + "\\" + n;
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveTree(p);
                else
                    DeleteFileA(p.c_str());
            } while (FindNextFileA(h, &fd));
            FindClose(h);
        }
        RemoveDirectoryA(dir.c_str());
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        std::string p = temp_ + "\\" + name;
        EXPECT_TRUE(lhatest::WriteFile(p, bytes));
        return p;
    }
    std::string ListFile() const { return lhatest::ReadFile(work_ + "\\MovList.tmp"); }

    std::string temp_, work_, fixtures_;
};

TEST_F(MeltLhaTest, ListsAndUnpacksJlhaArchivesByteForByte) {
    const std::vector<std::string> expected = {"pic.bmp", "sub\\deep.bmp", kGazou, "noise.jpg"};
    for (const char* name : {"lv0.lzh", "lv1.lzh", "lv2.lzh", "lh6.lzh", "lh7.lzh"}) {
        SCOPED_TRACE(name);
        const std::string arc = fixtures_ + "\\" + name;
        ASSERT_TRUE(RunMelt(ListLine(arc, work_)));
        std::vector<std::string> listed = Lines(ListFile());
        EXPECT_EQ(listed, expected);
        for (const std::string& member : listed) {
            ASSERT_TRUE(RunMelt(UnpackLine(arc, work_, member)));
            // The main program finds the picture at TempFolder\member.
            std::string got = lhatest::ReadFile(work_ + "\\" + member);
            std::string want = lhatest::ReadFile(fixtures_ + "\\files\\" + member);
            ASSERT_FALSE(want.empty()) << member;
            EXPECT_TRUE(got == want) << member;
            DeleteFileA((work_ + "\\" + member).c_str());
        }
    }
}

TEST_F(MeltLhaTest, HostileNamesNeverWriteOutsideTheFolder) {
    std::string arc = Write("hostile.lzh", lhatest::Archive({
        [] { Entry e; e.name = "..\\..\\evil.bmp"; e.data = "evil"; e.level = 0; return e; }(),
        [] { Entry e; e.name = "C:\\x_lha_evil.bmp"; e.data = "drive"; e.level = 1; return e; }(),
        [] { Entry e; e.name = "evil2.bmp"; e.folder = "..\xFF"; e.data = "up"; return e; }(),
        [] { Entry e; e.name = "ok.bmp"; e.data = "fine"; e.level = 0; return e; }(),
        // 表示.bmp: the second byte of 表 is 0x5C, which must not split the name.
        [] { Entry e; e.name = "\x95\x5C\x8E\xA6.bmp"; e.data = "hyouji"; e.level = 0; return e; }(),
    }));
    ASSERT_TRUE(RunMelt(ListLine(arc, work_)));
    EXPECT_EQ(ListFile(), "ok.bmp\r\n\x95\x5C\x8E\xA6.bmp\r\n");
    ASSERT_TRUE(RunMelt(UnpackLine(arc, work_, "\x95\x5C\x8E\xA6.bmp")));
    EXPECT_EQ(lhatest::ReadFile(work_ + "\\\x95\x5C\x8E\xA6.bmp"), "hyouji");
    // Nothing else in the folder: no sub-folder was made from the byte before 0x5C.
    std::vector<std::string> names;
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((work_ + "\\*").c_str(), &fd);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    do {
        if (std::string(fd.cFileName) != "." && std::string(fd.cFileName) != "..") names.push_back(fd.cFileName);
    } while (FindNextFileA(h, &fd));
    FindClose(h);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"MovList.tmp", "\x95\x5C\x8E\xA6.bmp"}));
    for (const char* m : {"..\\..\\evil.bmp", "C:\\x_lha_evil.bmp", "..\\evil2.bmp"})
        ASSERT_TRUE(RunMelt(UnpackLine(arc, work_, m)));
    EXPECT_FALSE(FileExists(temp_ + "\\evil.bmp"));
    EXPECT_FALSE(FileExists(temp_ + "\\..\\evil.bmp"));
    EXPECT_FALSE(FileExists(temp_ + "\\evil2.bmp"));
    EXPECT_FALSE(FileExists("C:\\x_lha_evil.bmp"));
    ASSERT_TRUE(RunMelt(UnpackLine(arc, work_, "ok.bmp")));
    EXPECT_EQ(lhatest::ReadFile(work_ + "\\ok.bmp"), "fine");
}

TEST_F(MeltLhaTest, NamesStoredFromTheRootOrWithTrailingDotsUnpackInsideTheFolder) {
    std::string arc = Write("archivers.lzh", lhatest::Archive({
        [] { Entry e; e.name = "\\lha_rooted\\x.bmp"; e.data = "rooted"; e.level = 0; return e; }(),
        [] { Entry e; e.name = "y.bmp"; e.folder = "\xFFlha_rooted2\xFF"; e.data = "folder"; return e; }(),
        [] { Entry e; e.name = "gpl-2."; e.data = "dotted"; return e; }(),
    }));
    ASSERT_TRUE(RunMelt(ListLine(arc, work_)));
    EXPECT_EQ(ListFile(), "lha_rooted\\x.bmp\r\nlha_rooted2\\y.bmp\r\ngpl-2\r\n");
    for (const auto& [member, data] : std::vector<std::pair<std::string, std::string>>{
             {"lha_rooted\\x.bmp", "rooted"}, {"lha_rooted2\\y.bmp", "folder"}, {"gpl-2", "dotted"}}) {
        ASSERT_TRUE(RunMelt(UnpackLine(arc, work_, member)));
        EXPECT_EQ(lhatest::ReadFile(work_ + "\\" + member), data) << member;
    }
    EXPECT_FALSE(FileExists("C:\\lha_rooted"));
    EXPECT_FALSE(FileExists("C:\\lha_rooted2"));
}

TEST_F(MeltLhaTest, BadCrcAndCutShortDataLeaveNoFile) {
    Entry bad;
    bad.name = "bad.bmp";
    bad.data = std::string(3000, 'x');
    bad.badCrc = true;
    Entry cut;
    cut.name = "cut.bmp";
    cut.data = std::string(3000, 'y');
    std::string bytes = lhatest::Archive({bad, cut}, false);
    std::string arc = Write("broken.lzh", bytes.substr(0, bytes.size() - 100));
    ASSERT_TRUE(RunMelt(ListLine(arc, work_)));
    EXPECT_EQ(ListFile(), "bad.bmp\r\n");  // its damage shows only when unpacked
    ASSERT_TRUE(RunMelt(UnpackLine(arc, work_, "bad.bmp")));
    EXPECT_FALSE(FileExists(work_ + "\\bad.bmp"));
    ASSERT_TRUE(RunMelt(UnpackLine(arc, work_, "cut.bmp")));
    EXPECT_FALSE(FileExists(work_ + "\\cut.bmp"));
}

TEST_F(MeltLhaTest, FailuresStillClearTheFlagAndEmptyTheList) {
    ASSERT_TRUE(lhatest::WriteFile(work_ + "\\MovList.tmp", "stale.bmp\r\n"));
    ASSERT_TRUE(RunMelt(ListLine(temp_ + "\\missing.lzh", work_)));
    EXPECT_EQ(ListFile(), "");
    std::string notArc = Write("text.lzh", "this is not an archive");
    ASSERT_TRUE(RunMelt(ListLine(notArc, work_)));
    EXPECT_EQ(ListFile(), "");
    ASSERT_TRUE(RunMelt(UnpackLine(temp_ + "\\missing.lzh", work_, "pic.bmp")));
    ASSERT_TRUE(RunMelt("MeltLha.exe"));
    ASSERT_TRUE(RunMelt("MeltLha.exe \"only-one-word\""));

    // Without UnLha32.dll beside it, the program still ends the handshake.
    std::string lone = temp_ + "\\lone";
    CreateDirectoryA(lone.c_str(), nullptr);
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string bin(self);
    bin.resize(bin.find_last_of('\\') + 1);
    ASSERT_TRUE(CopyFileA((bin + "MeltLha.exe").c_str(), (lone + "\\MeltLha.exe").c_str(), FALSE));
    ASSERT_TRUE(lhatest::WriteFile(work_ + "\\MovList.tmp", "stale.bmp\r\n"));
    ASSERT_TRUE(RunMelt(Quoted(lone + "\\MeltLha.exe") + " " + Quoted(fixtures_ + "\\lv2.lzh") + " " +
                        Quoted(work_ + "\\MovList.tmp")));
    EXPECT_EQ(ListFile(), "");
}

template <typename Fn>
Fn Proc(HMODULE lib, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(lib, name)));
}

TEST_F(MeltLhaTest, LibraryExportsTheClassicEntryPoints) {
    HMODULE lib = LoadLibraryA("UnLha32.dll");
    ASSERT_NE(lib, nullptr);
    auto version = Proc<UnlhaGetVersionFn>(lib, "UnlhaGetVersion");
    auto check = Proc<UnlhaCheckArchiveFn>(lib, "UnlhaCheckArchive");
    auto unlha = Proc<UnlhaFn>(lib, "Unlha");
    ASSERT_TRUE(version && check && unlha);
    EXPECT_EQ(version(), 100);
    const std::string arc = fixtures_ + "\\lv1.lzh";
    EXPECT_TRUE(check(arc.c_str(), 2));
    Entry bad;
    bad.name = "bad.bmp";
    bad.data = "data";
    bad.badCrc = true;
    std::string badArc = Write("bad.lzh", lhatest::Archive({bad}));
    EXPECT_TRUE(check(badArc.c_str(), 0));   // headers are sound
    EXPECT_FALSE(check(badArc.c_str(), 2));  // the data is not
    char out[512];
    EXPECT_EQ(unlha(nullptr, ("l " + Quoted(arc)).c_str(), out, sizeof out), 0);
    EXPECT_EQ(std::string(out), "pic.bmp\r\nsub\\deep.bmp\r\n" + kGazou + "\r\nnoise.jpg\r\n");
    EXPECT_EQ(unlha(nullptr, ("l " + Quoted(arc)).c_str(), out, 10), UNLHA_ERROR_MORE_DATA);
    EXPECT_EQ(std::string(out), "pic.bmp\r\n");
    EXPECT_EQ(unlha(nullptr, ("x " + Quoted(arc) + " " + Quoted(work_ + "\\") + " sub\\deep.bmp").c_str(), out,
                    sizeof out), 0);
    EXPECT_TRUE(lhatest::ReadFile(work_ + "\\sub\\deep.bmp") == lhatest::ReadFile(fixtures_ + "\\files\\sub\\deep.bmp"));
    EXPECT_EQ(unlha(nullptr, "z nothing", out, sizeof out), UNLHA_ERROR_COMMAND);
    FreeLibrary(lib);
}

}  // namespace
