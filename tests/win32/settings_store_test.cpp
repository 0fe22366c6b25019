// Loading and saving the settings record against Wine's real registry.
#include <gtest/gtest.h>
#include <windows.h>
#include "framework/reg_key.h"
#include "settings/registry_paths.h"
#include "settings/settings_codes.h"
#include "settings/settings_fields.h"
#include "settings/settings_store.h"
#include "test_support.h"

namespace {

using mov::SettingsRecord;
using testsupport::RegPeek;
using testsupport::RegText;

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* k : {mov::kModeKey, mov::kSpecialKey, mov::kAdditionalKey}) RegDeleteKeyA(HKEY_CURRENT_USER, k);
        s.JpegAvailable = 1;
    }
    void Put(const char* key, const char* name, const char* text) {
        ASSERT_TRUE(testsupport::RegPutText(HKEY_CURRENT_USER, key, name, text));
    }
    void PutRaw(const char* key, const char* name, DWORD type, const void* data, DWORD size) {
        ASSERT_TRUE(testsupport::RegPut(HKEY_CURRENT_USER, key, name, type, data, size));
    }
    SettingsRecord s;
};

TEST_F(SettingsStoreTest, EmptyRegistryLoadsTheDefaultsAndMakesTheKeys) {
    s.TileWallPaper = mov::kPlaceCentre;  // whatever was in memory before
    s.Interval = 99;
    s.PaperRemoved = 1;
    mov::LoadSettings(s);
    const SettingsRecord defaults;
    for (const mov::StoredSetting& f : mov::kStoredSettings) EXPECT_EQ(s.*f.field, defaults.*f.field) << f.name;
    EXPECT_EQ(s.AutoTile, mov::kAutoTileOff);
    EXPECT_EQ(s.PaperRemoved, 0);
    for (const char* k : {mov::kModeKey, mov::kSpecialKey, mov::kAdditionalKey}) {
        fw::RegKey key;
        EXPECT_EQ(key.Open(HKEY_CURRENT_USER, k), ERROR_SUCCESS) << k;
    }

    SettingsRecord noJpeg;
    noJpeg.JpegAvailable = 0;
    mov::LoadSettings(noJpeg);
    EXPECT_EQ(noJpeg.JPEGRead, 0);
}

TEST_F(SettingsStoreTest, WordsAreMatchedExactlyWithPerFieldFallBacks) {
    struct { const char* key; const char* name; const char* text; int SettingsRecord::*field; int code; } table[] = {
        {mov::kModeKey, "Change", "rand", &SettingsRecord::Change, mov::kChangeAuto},
        {mov::kModeKey, "SCenabled", "Only", &SettingsRecord::SCenabled, mov::kScOnly},
        {mov::kModeKey, "Adjust", "Smart2", &SettingsRecord::Adjust, mov::kAdjustSmart2},
        {mov::kModeKey, "SmartPos", "left", &SettingsRecord::SmartPos, mov::kSmartCenter},
        {mov::kModeKey, "IconOn", "No", &SettingsRecord::IconOn, 0},
        {mov::kSpecialKey, "WrightButton", "Middle", &SettingsRecord::WrightButton, mov::kButtonHide},
        {mov::kSpecialKey, "Inactive", "ScreenSaver", &SettingsRecord::Inactive, 1},
        {mov::kSpecialKey, "TiledatRight", "Yes", &SettingsRecord::TiledatRight, 1},
    };
    for (const auto& row : table) Put(row.key, row.name, row.text);
    mov::LoadSettings(s);
    for (const auto& row : table) EXPECT_EQ(s.*row.field, row.code) << row.name << " " << row.text;
}

TEST_F(SettingsStoreTest, ActiveDesktopModeDependsOnTheBrowser) {
    struct Case { const char* stored; int ie, integrated, expect; } cases[] = {
        {nullptr, 2, 1, 2},       // absent: "Standerd"
        {"Sideways", 2, 1, 0},    // present but unknown: "Both"
        {"Active", 3, 1, 1},
        {"Active", 4, 1, 2},      // browser 6.0 cannot take it
        {"Both", 1, 0, 2},        // browser not integrated
        {"Both", 0, 1, 2},
    };
    for (const Case& c : cases) {
        RegDeleteKeyA(HKEY_CURRENT_USER, mov::kAdditionalKey);
        if (c.stored) Put(mov::kAdditionalKey, "ActiveDeskTopMode", c.stored);
        SettingsRecord r;
        r.IeVersion = c.ie;
        r.IntegratedBrowser = c.integrated;
        mov::LoadSettings(r);
        EXPECT_EQ(r.ActiveDeskTopMode, c.expect) << (c.stored ? c.stored : "(absent)") << " ie " << c.ie;
    }
    // Loaded as 2 with browser 6.0, the next save writes the standard desktop.
    mov::SaveSettings(s);
    EXPECT_EQ(RegText(HKEY_CURRENT_USER, mov::kAdditionalKey, "ActiveDeskTopMode"), "Standerd");
}

TEST_F(SettingsStoreTest, JpegReadingNeedsAReader) {
    Put(mov::kModeKey, "JPEGRead", "Yes");
    s.JpegAvailable = 0;
    mov::LoadSettings(s);
    EXPECT_EQ(s.JPEGRead, 0);
    mov::SaveSettings(s);
    EXPECT_EQ(RegText(HKEY_CURRENT_USER, mov::kModeKey, "JPEGRead"), "No");
}

TEST_F(SettingsStoreTest, AutomaticPlacementSurvivesASave) {
    DWORD two = 2;
    PutRaw(mov::kModeKey, "TileWallPaper", REG_DWORD, &two, 4);
    mov::LoadSettings(s);
    EXPECT_EQ(s.TileWallPaper, mov::kPlaceAuto);
    EXPECT_EQ(s.AutoTile, mov::kAutoTileArmed);
    s.TileWallPaper = mov::kPlaceCentre;  // a change decided "centred"
    mov::SaveSettings(s);
    EXPECT_EQ(s.TileWallPaper, mov::kPlaceAuto);
    DWORD type = 0;
    std::string bytes;
    ASSERT_TRUE(RegPeek(HKEY_CURRENT_USER, mov::kModeKey, "TileWallPaper", type, bytes));
    EXPECT_EQ(bytes, std::string("\x02\0\0\0", 4));
}

TEST_F(SettingsStoreTest, SaveWritesExactWordsAndTypesButNeverReadTimeOut) {
    DWORD five = 5;
    PutRaw(mov::kModeKey, "ReadTimeOut", REG_DWORD, &five, 4);
    s.Change = mov::kChangeRand2;
    s.Adjust = mov::kAdjustSmart;
    s.SCenabled = mov::kScNo;
    s.Interval = 15;
    s.ReadTimeOut = 77;
    s.WrightButton = mov::kButtonTile;
    mov::SaveSettings(s);

    struct Word { const char* key; const char* name; const char* text; } words[] = {
        {mov::kModeKey, "SCenabled", "No"},       {mov::kModeKey, "JPEGRead", "Yes"},
        {mov::kModeKey, "FrontMaxChange", "No"},  {mov::kModeKey, "IconOn", "Yes"},
        {mov::kModeKey, "Change", "Rand2"},       {mov::kModeKey, "Adjust", "Smart"},
        {mov::kModeKey, "SmartPos", "Center"},    {mov::kSpecialKey, "TiledatRight", "No"},
        {mov::kSpecialKey, "Inactive", "None"},   {mov::kSpecialKey, "WrightButton", "Tile"},
        {mov::kAdditionalKey, "ActiveDeskTopMode", "Standerd"},
    };
    for (const Word& w : words) {
        DWORD type = 0;
        std::string bytes;
        ASSERT_TRUE(RegPeek(HKEY_CURRENT_USER, w.key, w.name, type, bytes)) << w.name;
        EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << w.name;
        EXPECT_EQ(bytes, std::string(w.text) + '\0') << w.name;  // length counts the zero
    }
    for (const char* n : {"Interval", "AdBegin", "AdEnd", "TileWallPaper", "TileLength", "TileHeight", "Modify"}) {
        DWORD type = 0;
        std::string bytes;
        ASSERT_TRUE(RegPeek(HKEY_CURRENT_USER, mov::kModeKey, n, type, bytes)) << n;
        EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD)) << n;
        EXPECT_EQ(bytes.size(), 4u) << n;
    }
    SettingsRecord back;
    back.JpegAvailable = 1;
    mov::LoadSettings(back);
    EXPECT_EQ(back.Interval, 15);
    EXPECT_EQ(back.ReadTimeOut, 5);  // the hand-written value is left alone
    EXPECT_EQ(back.Change, mov::kChangeRand2);
    EXPECT_EQ(back.WrightButton, mov::kButtonTile);
}

TEST_F(SettingsStoreTest, WrongTypesAndSizesGiveSaneValues) {
    Put(mov::kModeKey, "Interval", "5");                       // text where a number belongs
    unsigned long long eight = 0x100000007ull;
    PutRaw(mov::kModeKey, "TileLength", REG_QWORD, &eight, 8);  // too large a number
    unsigned char three[3] = {9, 9, 9};
    PutRaw(mov::kModeKey, "TileHeight", REG_BINARY, three, 3);  // too small a number
    DWORD raw = 30;
    PutRaw(mov::kModeKey, "AdBegin", REG_BINARY, &raw, 4);      // 4 bytes of another type: taken
    std::string longWord(299, 'R');
    Put(mov::kModeKey, "Change", longWord.c_str());             // 300 bytes with the zero
    DWORD one = 1;
    PutRaw(mov::kModeKey, "Adjust", REG_DWORD, &one, 4);        // a number where a word belongs
    Put(mov::kSpecialKey, "WrightButton", longWord.c_str());
    mov::LoadSettings(s);
    EXPECT_EQ(s.Interval, 2);
    EXPECT_EQ(s.TileLength, 640);
    EXPECT_EQ(s.TileHeight, 480);
    EXPECT_EQ(s.AdBegin, 30);
    EXPECT_EQ(s.Change, mov::kChangeAuto);
    EXPECT_EQ(s.Adjust, mov::kAdjustNo);
    EXPECT_EQ(s.WrightButton, mov::kButtonNext);  // unreadable reads as absent: "Next"
}

TEST_F(SettingsStoreTest, LhaProbeNeedsBothFilesInTheCurrentDirectory) {
    testsupport::ScratchDir dir("movlha");
    char old[MAX_PATH];
    GetCurrentDirectoryA(sizeof old, old);
    ASSERT_TRUE(SetCurrentDirectoryA(dir.path().c_str()));
    mov::LoadSettings(s);
    EXPECT_EQ(s.LhaAvailable, 0);
    testsupport::WriteBytes(dir.file("MeltLha.exe"), {'M', 'Z'});
    mov::LoadSettings(s);
    EXPECT_EQ(s.LhaAvailable, 0);
    testsupport::WriteBytes(dir.file("UnLha32.dll"), {'M', 'Z'});
    mov::LoadSettings(s);
    EXPECT_EQ(s.LhaAvailable, 1);
    DeleteFileA(dir.file("MeltLha.exe").c_str());
    mov::LoadSettings(s);
    EXPECT_EQ(s.LhaAvailable, 0);
    SetCurrentDirectoryA(old);
}

}  // namespace
