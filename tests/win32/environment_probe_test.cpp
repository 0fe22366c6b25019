// The start-up probe against Wine's real registry, libraries and message boxes.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <vector>
#include "settings/environment_probe.h"
#include "settings/environment_rules.h"
#include "settings/registry_paths.h"
#include "settings/settings_codes.h"
#include "test_support.h"

namespace {

using mov::DesktopQuestion;
using mov::DesktopValue;
using testsupport::RegText;

const char kBrowserKey[] = "Software\\Microsoft\\Internet Explorer";

// A value as it was, put back at the end of the test (absent ones are deleted again).
class SavedValue {
public:
    SavedValue(HKEY root, const char* key, const char* name) : root_(root), key_(key), name_(name) {
        present_ = testsupport::RegPeek(root, key, name, type_, bytes_);
    }
    ~SavedValue() {
        if (!present_) {
            testsupport::RegDeleteValueIn(root_, key_, name_);
            return;
        }
        testsupport::RegPut(root_, key_, name_, type_, bytes_.data(), static_cast<DWORD>(bytes_.size()));
    }

private:
    HKEY root_;
    const char* key_;
    const char* name_;
    bool present_ = false;
    DWORD type_ = 0;
    std::string bytes_;
};

void Put(HKEY root, const char* key, const char* name, const char* text) {
    ASSERT_TRUE(testsupport::RegPutText(root, key, name, text));
}
void PutDword(HKEY root, const char* key, const char* name, DWORD v) {
    ASSERT_TRUE(testsupport::RegPutDword(root, key, name, v));
}
std::string Desk(const char* name) { return RegText(HKEY_CURRENT_USER, mov::kDesktopKey, name); }
std::string Copy(const char* name) { return RegText(HKEY_CURRENT_USER, mov::kDesktopCopyKey, name); }

struct Asked {
    std::string text, caption;
    UINT type;
};

class ProbeTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteKeyA(HKEY_CURRENT_USER, mov::kDesktopCopyKey);
        ui.caption = "Movani32";
        ui.ask = [this](HWND, const char* text, const char* caption, UINT type) {
            asked.push_back({text, caption, type});
            return answer;
        };
    }
    void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, mov::kDesktopCopyKey); }
    // The desktop's placement values and the program's copy of them.
    void Desktop(const char* tile, const char* style, const char* origin) {
        Put(HKEY_CURRENT_USER, mov::kDesktopKey, "TileWallpaper", tile);
        Put(HKEY_CURRENT_USER, mov::kDesktopKey, "WallpaperStyle", style);
        Put(HKEY_CURRENT_USER, mov::kDesktopKey, "WallpaperOriginX", origin);
    }
    void CopyOf(const char* tile, const char* style, const char* origin) {
        const char* names[] = {"TileWallpaper", "WallpaperStyle", "WallpaperOriginX"};
        const char* texts[] = {tile, style, origin};
        for (int i = 0; i < 3; ++i)
            if (texts[i]) Put(HKEY_CURRENT_USER, mov::kDesktopCopyKey, names[i], texts[i]);
    }

    // One value as the record, the desktop and the program's copy hold it: "record|desk|copy".
    std::string Held(DesktopValue v) {
        const std::string* field[] = {&s.SysTileWallpaper, &s.SysWallpaperStyle, &s.SysWallpaperOriginX};
        const char* name = mov::DesktopValueName(v);
        return *field[static_cast<int>(v)] + "|" + Desk(name) + "|" + Copy(name);
    }

    SavedValue tile{HKEY_CURRENT_USER, mov::kDesktopKey, "TileWallpaper"};
    SavedValue style{HKEY_CURRENT_USER, mov::kDesktopKey, "WallpaperStyle"};
    SavedValue origin{HKEY_CURRENT_USER, mov::kDesktopKey, "WallpaperOriginX"};
    SavedValue pattern{HKEY_CURRENT_USER, mov::kDesktopKey, "Pattern"};
    mov::SettingsRecord s;
    mov::ProbeUi ui;
    std::vector<Asked> asked;
    int answer = IDYES;
};

TEST_F(ProbeTest, FirstRunAsksNothingAndTakesACopy) {
    Desktop("0", "2", "17");
    s.OsKind = mov::kOs2000;
    mov::CheckDesktop(s, ui);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Held(DesktopValue::TileWallpaper), "0|0|0");
    EXPECT_EQ(Held(DesktopValue::WallpaperStyle), "2|2|2");
    EXPECT_EQ(Held(DesktopValue::WallpaperOriginX), "17|17|17");

    // Absent desktop values read as empty and are copied as empty texts.
    RegDeleteKeyA(HKEY_CURRENT_USER, mov::kDesktopCopyKey);
    testsupport::RegDeleteValueIn(HKEY_CURRENT_USER, mov::kDesktopKey, "WallpaperOriginX");
    mov::CheckDesktop(s, ui);
    EXPECT_EQ(Held(DesktopValue::WallpaperOriginX), "|<absent>|");
    EXPECT_TRUE(asked.empty());
}

TEST_F(ProbeTest, YesPutsThePreviousValueBack) {
    Desktop("0", "0", "0");
    CopyOf("1", "0", "0");
    s.OsKind = mov::kOs2000;
    mov::CheckDesktop(s, ui);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, DesktopQuestion(DesktopValue::TileWallpaper, "1", "0"));
    EXPECT_NE(asked[0].text.find("並べて表示\n\t現在の値：中央に表示"), std::string::npos);
    EXPECT_EQ(asked[0].caption, "Movani32");
    EXPECT_EQ(asked[0].type, 36u);
    EXPECT_EQ(Held(DesktopValue::TileWallpaper), "1|1|1");
}

TEST_F(ProbeTest, NoKeepsTheDesktopAndTheCopyFollowsIt) {
    Desktop("0", "2", "5");
    CopyOf("1", "0", "5");
    answer = IDNO;
    s.OsKind = mov::kOs2000;
    mov::CheckDesktop(s, ui);
    ASSERT_EQ(asked.size(), 2u);  // in the order tile, style; the origin is the same
    EXPECT_EQ(asked[0].text, DesktopQuestion(DesktopValue::TileWallpaper, "1", "0"));
    EXPECT_EQ(asked[1].text, DesktopQuestion(DesktopValue::WallpaperStyle, "0", "2"));
    EXPECT_EQ(Held(DesktopValue::TileWallpaper), "0|0|0");
    EXPECT_EQ(Held(DesktopValue::WallpaperStyle), "2|2|2");

    // Next start: the copy now matches, nothing is asked.
    asked.clear();
    mov::CheckDesktop(s, ui);
    EXPECT_TRUE(asked.empty());
}

TEST_F(ProbeTest, AbsentCopiedOriginIsAskedWithAnEmptyPreviousValue) {
    Desktop("1", "0", "0");
    CopyOf("1", "0", nullptr);
    s.OsKind = mov::kOs2000;
    mov::CheckDesktop(s, ui);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, DesktopQuestion(DesktopValue::WallpaperOriginX, "", "0"));
    EXPECT_NE(asked[0].text.find("以前の値：\n\t現在の値：0"), std::string::npos);
    // Yes restores the empty text, as it was.
    EXPECT_EQ(Held(DesktopValue::WallpaperOriginX), "||");
}

TEST_F(ProbeTest, ZeroPatternOnlyOnNt4) {
    Desktop("1", "0", "0");
    Put(HKEY_CURRENT_USER, mov::kDesktopKey, "Pattern", "(なし)");
    s.OsKind = mov::kOs2000;
    mov::CheckDesktop(s, ui);
    EXPECT_EQ(Desk("Pattern"), "(なし)");
    s.OsKind = mov::kOsNt4;
    mov::CheckDesktop(s, ui);
    EXPECT_EQ(Desk("Pattern"), mov::kZeroPattern);
    // A real pattern stays.
    Put(HKEY_CURRENT_USER, mov::kDesktopKey, "Pattern", "170 85 170 85 170 85 170 85");
    mov::CheckDesktop(s, ui);
    EXPECT_EQ(Desk("Pattern"), "170 85 170 85 170 85 170 85");
    // An absent one is written.
    testsupport::RegDeleteValueIn(HKEY_CURRENT_USER, mov::kDesktopKey, "Pattern");
    mov::CheckDesktop(s, ui);
    EXPECT_EQ(Desk("Pattern"), mov::kZeroPattern);
    EXPECT_TRUE(asked.empty());
}

TEST_F(ProbeTest, RealQuestionBoxAnsweredYes) {
    Desktop("0", "0", "0");
    CopyOf("1", "0", "0");
    s.OsKind = mov::kOs2000;
    mov::ProbeUi real;  // MessageBoxA
    real.caption = "Movani32";
    testsupport::SeenBox seen = testsupport::AnswerMessageBox(IDYES, [&] { mov::CheckDesktop(s, real); });
    EXPECT_EQ(seen.caption, "Movani32");
    EXPECT_TRUE(seen.yesNo);
    EXPECT_EQ(seen.text, DesktopQuestion(DesktopValue::TileWallpaper, "1", "0"));
    EXPECT_EQ(Held(DesktopValue::TileWallpaper), "1|1|1");
}

// The work folder and user name as this process sees them.
TEST(ProbeSteps, UserAndTempFolder) {
    mov::SettingsRecord s;
    mov::ProbeUserName(s);
    char name[256] = {};
    DWORD size = sizeof name;
    ASSERT_TRUE(GetUserNameA(name, &size));
    EXPECT_EQ(s.UserName, name);

    char saved[1024] = {};
    DWORD n = GetEnvironmentVariableA("TEMP", saved, sizeof saved);
    ASSERT_GT(n, 0u);
    mov::ProbeTempFolder(s);
    EXPECT_EQ(s.TempFolder, saved);

    // 254 bytes fit the buffer; 255 do not and count as unset rather than being cut short.
    std::string fits = "C:\\" + std::string(251, 'a');
    SetEnvironmentVariableA("TEMP", fits.c_str());
    mov::ProbeTempFolder(s);
    EXPECT_EQ(s.TempFolder, fits);
    SetEnvironmentVariableA("TEMP", (fits + "b").c_str());
    mov::ProbeTempFolder(s);
    EXPECT_EQ(s.TempFolder, "");
    SetEnvironmentVariableA("TEMP", nullptr);
    s.TempFolder = "old";
    mov::ProbeTempFolder(s);
    EXPECT_EQ(s.TempFolder, "");
    SetEnvironmentVariableA("TEMP", saved);
}

// Wine's default version is an NT one of 5 or later.
TEST(ProbeSteps, OsKindOfThisSystem) {
    OSVERSIONINFOA vi = {};
    vi.dwOSVersionInfoSize = sizeof vi;
    ASSERT_EQ(sizeof vi, 148u);
    ASSERT_TRUE(GetVersionExA(&vi));
    ASSERT_EQ(vi.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_NT));
    ASSERT_GE(vi.dwMajorVersion, 5u);
    mov::SettingsRecord s;
    mov::ProbeOsKind(s);
    EXPECT_EQ(s.OsKind, 3);
}

// The real filter libraries beside the program, found from any current directory.
TEST(ProbeSteps, JpegReaderLibrariesAreLoadedByName) {
    mov::SettingsRecord s;
    s.OsKind = mov::kOs2000;
    mov::ProbeJpegReader(s);
    EXPECT_EQ(s.JpegAvailable, 1);
    EXPECT_EQ(s.SusiePlugIn, 0);

    char cwd[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof cwd, cwd);
    testsupport::ScratchDir dir("probe-jpeg");
    ASSERT_TRUE(SetCurrentDirectoryA(dir.path().c_str()));
    mov::ProbeJpegReader(s);
    EXPECT_EQ(s.JpegAvailable, 1);

    // Windows 9x: its own filter library and the plug-in, both shipped beside the program
    // (which of them the rules need is the unit tier's table).
    s.OsKind = mov::kOs9x;
    mov::ProbeJpegReader(s);
    EXPECT_EQ(s.JpegAvailable, 1);
    EXPECT_EQ(s.SusiePlugIn, 1);
    SetCurrentDirectoryA(cwd);
}

// The whole probe: the browser's key decides IeVersion, and LoadSettings sees the results.
TEST_F(ProbeTest, WholeProbeFeedsTheSettings) {
    SavedValue version{HKEY_LOCAL_MACHINE, kBrowserKey, "Version"};
    SavedValue integrated{HKEY_LOCAL_MACHINE, kBrowserKey, "IntegratedBrowser"};
    SavedValue mode{HKEY_CURRENT_USER, mov::kAdditionalKey, "ActiveDeskTopMode"};
    Desktop("1", "0", "0");
    Put(HKEY_CURRENT_USER, mov::kAdditionalKey, "ActiveDeskTopMode", "Active");

    Put(HKEY_LOCAL_MACHINE, kBrowserKey, "Version", "5.50.4134.0600");
    testsupport::RegDeleteValueIn(HKEY_LOCAL_MACHINE, kBrowserKey, "IntegratedBrowser");
    s.PaperRemoved = 1;
    mov::RunEnvironmentProbe(s, ui);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(s.IeVersion, 3);
    EXPECT_EQ(s.IntegratedBrowser, 1);  // absent counts as integrated
    EXPECT_EQ(s.ActiveDeskTopMode, 1);
    EXPECT_EQ(s.OsKind, 3);
    EXPECT_EQ(s.JpegAvailable, 1);
    EXPECT_EQ(s.JPEGRead, 1);
    EXPECT_EQ(s.PaperRemoved, 0);
    EXPECT_FALSE(s.UserName.empty());
    EXPECT_EQ(Copy("TileWallpaper"), "1");

    Put(HKEY_LOCAL_MACHINE, kBrowserKey, "Version", "6.0.2900.2180");
    PutDword(HKEY_LOCAL_MACHINE, kBrowserKey, "IntegratedBrowser", 0);
    mov::RunEnvironmentProbe(s, ui);
    EXPECT_EQ(s.IeVersion, 4);
    EXPECT_EQ(s.IntegratedBrowser, 0);
    EXPECT_EQ(s.ActiveDeskTopMode, 2);  // 6.0 has no Active Desktop for the program

    Put(HKEY_LOCAL_MACHINE, kBrowserKey, "Version", "4.71.1712.6");
    mov::RunEnvironmentProbe(s, ui);
    EXPECT_EQ(s.IeVersion, 0);
}

}  // namespace
