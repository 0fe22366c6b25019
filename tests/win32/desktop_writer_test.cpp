// The desktop writer against Wine's real registry, profile file and desktop.
#include <gtest/gtest.h>
#include <windows.h>
#include "engine/desktop_writer.h"
#include "engine/step_marks.h"
#include "framework/reg_key.h"
#include "settings/registry_paths.h"
#include "settings/settings_codes.h"
#include "test_support.h"
#include <vector>

namespace {

using testsupport::RegText;
using testsupport::ScratchDir;
using testsupport::WriteBmp;

const char* const kValues[] = {"Wallpaper", "TileWallpaper", "WallpaperStyle", "WallpaperOriginX"};

std::string Profile(const char* key) {
    char buf[512];
    GetProfileStringA("Desktop", key, "<absent>", buf, sizeof buf);
    return buf;
}

std::string CurrentWallpaper() {
    char buf[MAX_PATH] = {};
    SystemParametersInfoA(SPI_GETDESKWALLPAPER, sizeof buf, buf, 0);
    return buf;
}

class DesktopWriterTest : public ::testing::Test {
protected:
    DesktopWriterTest() : dir("movdesk"), writer(s, fit) {}
    void SetUp() override {
        fw::RegKey().Create(HKEY_CURRENT_USER, mov::kDesktopKey);
        Clear();
        s.OsKind = mov::kOs2000;
        s.ActiveDeskTopMode = mov::kDesktopStandard;
    }
    void Clear() {
        for (const char* v : kValues) {
            testsupport::RegDeleteValueIn(HKEY_CURRENT_USER, mov::kDesktopKey, v);
            WriteProfileStringA("Desktop", v, nullptr);
        }
    }
    std::string Reg(const char* v) { return RegText(HKEY_CURRENT_USER, mov::kDesktopKey, v); }
    std::string Picture(int w, int h) {
        std::string p = dir.file("p" + std::to_string(w) + "x" + std::to_string(h) + ".bmp");
        WriteBmp(p, w, h);
        return p;
    }

    ScratchDir dir;
    mov::SettingsRecord s;
    mov::FitOverride fit;
    mov::DesktopWriter writer;
};

TEST_F(DesktopWriterTest, TiledPictureWritesTileButNoStyle) {
    std::string pic = Picture(300, 200);
    s.TileWallPaper = mov::kPlaceTile;
    s.Adjust = mov::kAdjustYes;
    writer.ApplyWallpaper(pic, pic, false);
    EXPECT_EQ(Reg("TileWallpaper"), "1");
    EXPECT_EQ(Profile("TileWallpaper"), "1");
    EXPECT_EQ(Reg("WallpaperStyle"), "<absent>");
    EXPECT_EQ(Profile("WallpaperOriginX"), "<absent>");
    EXPECT_EQ(CurrentWallpaper(), pic);
}

TEST_F(DesktopWriterTest, AutomaticTilingDecidesEachChangeBySize) {
    s.AutoTile = mov::kAutoTileArmed;
    s.TileWallPaper = mov::kPlaceAuto;
    struct { int w, h; const char* tile; } cases[] = {{639, 479, "1"}, {640, 100, "0"}, {100, 480, "0"}};
    for (auto c : cases) {
        writer.ApplyWallpaper(Picture(c.w, c.h), "", false);
        EXPECT_EQ(Reg("TileWallpaper"), c.tile) << c.w << "x" << c.h;
        EXPECT_EQ(s.TileWallPaper, c.tile[0] - '0');
        EXPECT_EQ(s.AutoTile, 1);
    }
}

TEST_F(DesktopWriterTest, OneChangeOverrideOfAutomaticPlacementIsUsedUp) {
    s.AutoTile = mov::kAutoTileSuspended;  // the centre/tile toggle suspended it
    s.TileWallPaper = mov::kPlaceTile;
    writer.ApplyWallpaper(Picture(800, 600), "", false);
    EXPECT_EQ(Reg("TileWallpaper"), "1");
    EXPECT_EQ(s.AutoTile, 1);
}

TEST_F(DesktopWriterTest, RangeFitStretchesBetweenTheBoundsOnly) {
    s.TileWallPaper = mov::kPlaceCentre;
    s.Adjust = mov::kAdjustAuto;
    struct { int h; const char* style; } cases[] = {{59, "0"}, {60, "2"}, {80, "2"}, {81, "0"}};
    for (auto c : cases) {
        Clear();
        writer.ApplyWallpaper(Picture(100, c.h), "", false);
        EXPECT_EQ(Reg("WallpaperStyle"), c.style) << "ratio " << c.h;
    }
    Clear();
    writer.ApplyWallpaper(dir.file("missing.bmp"), "", false);
    EXPECT_EQ(Reg("WallpaperStyle"), "<absent>");
    EXPECT_EQ(Reg("TileWallpaper"), "0");
}

TEST_F(DesktopWriterTest, TileOriginGoesWhereTheSystemKindKeepsIt) {
    s.TiledatRight = 1;
    s.TileWallPaper = mov::kPlaceTile;
    std::string pic = Picture(300, 100);
    writer.ApplyWallpaper(pic, "", false);  // the virtual desktop is 1024 pixels wide
    EXPECT_EQ(Profile("WallpaperOriginX"), "724");

    Clear();
    s.OsKind = mov::kOs9x;
    writer.ApplyWallpaper(pic, "", false);
    EXPECT_EQ(Reg("WallpaperOriginX"), "724");

    Clear();
    s.TileWallPaper = mov::kPlaceCentre;
    writer.ApplyWallpaper(pic, "", false);
    EXPECT_EQ(Reg("WallpaperOriginX"), "0");
}

TEST_F(DesktopWriterTest, ModifyRecordsThePictureAsTheDesktopsOwn) {
    std::string pic = Picture(64, 64);
    writer.ApplyWallpaper(pic, "", false);
    EXPECT_EQ(Reg("Wallpaper"), "<absent>");
    EXPECT_EQ(Profile("Wallpaper"), "<absent>");
    s.Modify = 1;
    writer.ApplyWallpaper(pic, "", false);
    EXPECT_EQ(Profile("Wallpaper"), pic);
    Clear();
    s.OsKind = mov::kOs9x;
    writer.ApplyWallpaper(pic, "", false);
    EXPECT_EQ(Reg("Wallpaper"), pic);
}

TEST_F(DesktopWriterTest, ActiveDesktopOnlyModeLeavesTheSystemWallpaperAlone) {
    std::string first = Picture(40, 40), second = Picture(50, 50);
    writer.ApplyWallpaper(first, first, false);
    ASSERT_EQ(CurrentWallpaper(), first);
    s.ActiveDeskTopMode = mov::kDesktopActive;
    writer.ApplyWallpaper(second, second, false);
    EXPECT_EQ(CurrentWallpaper(), first);
    s.ActiveDeskTopMode = mov::kDesktopBoth;  // both: the system call, then the shell object if it exists
    writer.ApplyWallpaper(second, second, false);
    EXPECT_EQ(CurrentWallpaper(), second);
}

TEST_F(DesktopWriterTest, BadPicturesAreWrittenCentredWithoutASize) {
    s.AutoTile = mov::kAutoTileArmed;
    s.TileWallPaper = mov::kPlaceAuto;
    s.Adjust = mov::kAdjustAuto;
    s.TiledatRight = 1;
    std::vector<std::string> bad;
    bad.push_back(dir.file("short.bmp"));
    testsupport::WriteBytes(bad.back(), std::vector<unsigned char>(25, 'B'));
    bad.push_back(Picture(0, 100));
    bad.push_back(Picture(-5, -5));
    bad.push_back(dir.path());  // a folder
    bad.push_back(dir.file("none.bmp"));
    for (const std::string& p : bad) {
        Clear();
        writer.ApplyWallpaper(p, p, false);
        EXPECT_EQ(Reg("TileWallpaper"), "0") << p;
        EXPECT_EQ(Reg("WallpaperStyle"), "<absent>") << p;
        EXPECT_EQ(Profile("WallpaperOriginX"), "0") << p;
    }
    EXPECT_EQ(s.TileWallPaper, 2);  // still undecided: automatic
}

TEST_F(DesktopWriterTest, ExitPutsBackTheStartUpValues) {
    s.SysTileWallpaper = "0";
    s.SysWallpaperStyle = "";
    s.SysWallpaperOriginX = "12";
    writer.ApplyWallpaper(Picture(30, 30), "", false);  // tiles: "1"
    writer.RestoreDesktop();
    EXPECT_EQ(Reg("TileWallpaper"), "0");
    EXPECT_EQ(Reg("WallpaperStyle"), "");  // written even when empty
    EXPECT_EQ(Reg("WallpaperOriginX"), "12");
    s.Modify = 1;
    writer.ApplyWallpaper(Picture(30, 30), "", false);
    writer.RestoreDesktop();
    EXPECT_EQ(Reg("TileWallpaper"), "1");
}

TEST_F(DesktopWriterTest, WriteDesktopValueSkipsEmptyTexts) {
    mov::WriteDesktopValue("WallpaperStyle", "");
    EXPECT_EQ(Reg("WallpaperStyle"), "<absent>");
    mov::WriteDesktopValue("WallpaperStyle", "2");
    DWORD type = 0;
    std::string bytes;
    ASSERT_TRUE(testsupport::RegPeek(HKEY_CURRENT_USER, mov::kDesktopKey, "WallpaperStyle", type, bytes));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(bytes, std::string("2\0", 2));
}

// What the writer reported, in order.
struct Reports : mov::EngineEvents {
    std::vector<bool> seen;
    void PaperRemovedChanged(bool removed) override { seen.push_back(removed); }
};

TEST_F(DesktopWriterTest, RemovalShowsNoPictureUntilTheNextChange) {
    Reports reports;
    mov::DesktopWriter reporting(s, fit, &reports);
    std::string pic = Picture(100, 100);
    s.Modify = 1;
    reporting.ApplyWallpaper(pic, "", false);
    reporting.CompleteChange(true);  // nothing was removed: nothing to report
    reporting.RemoveWallpaper();
    EXPECT_EQ(s.PaperRemoved, 1);
    EXPECT_EQ(CurrentWallpaper(), "");
    EXPECT_EQ(Profile("Wallpaper"), pic);  // the stored picture stays
    EXPECT_EQ(reports.seen, std::vector<bool>{true});

    reporting.CompleteChange(false);  // even a change with nothing to show ends the state
    EXPECT_EQ(s.PaperRemoved, 0);
    EXPECT_EQ(reports.seen, (std::vector<bool>{true, false}));
}

TEST_F(DesktopWriterTest, FitOverrideIsUndoneOnlyByAChangeThatShowedAPicture) {
    s.Adjust = mov::kAdjustNo;
    fit.pending = true;
    fit.savedAdjust = 4;
    writer.CompleteChange(false);
    EXPECT_TRUE(fit.pending);
    EXPECT_EQ(s.Adjust, 0);
    writer.CompleteChange(true);
    EXPECT_FALSE(fit.pending);
    EXPECT_EQ(s.Adjust, 4);
}

// The step marks as a debugger would see them: OutputDebugStringA raises them as exceptions,
// which a first handler reads and passes on.
std::vector<std::string>* g_marks = nullptr;

LONG CALLBACK ReadMark(EXCEPTION_POINTERS* e) {
    const EXCEPTION_RECORD* r = e->ExceptionRecord;
    if (g_marks && r->ExceptionCode == DBG_PRINTEXCEPTION_C && r->NumberParameters >= 2) {
        std::string text(reinterpret_cast<const char*>(r->ExceptionInformation[1]));
        const std::string prefix = "Movani32 step ";
        if (text.compare(0, prefix.size(), prefix) == 0 && text.back() == '\n')
            g_marks->push_back(text.substr(prefix.size(), text.size() - prefix.size() - 1));
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

class MarkListener {
public:
    MarkListener() : handler_(AddVectoredExceptionHandler(1, ReadMark)) { g_marks = &marks; }
    ~MarkListener() {
        g_marks = nullptr;
        RemoveVectoredExceptionHandler(handler_);
    }
    std::vector<std::string> marks;

private:
    void* handler_;
};

TEST(StepMarkTest, EndsOnceWhetherEndedEarlyOrByItsScope) {
    MarkListener listen;
    {
        mov::StepMark a("a");
        mov::StepMark b("b");
        b.End();
        b.End();
    }
    EXPECT_EQ(listen.marks, (std::vector<std::string>{"a begin", "b begin", "b end", "a end"}));
}

TEST_F(DesktopWriterTest, StepMarksFrameEachStepOfTheWriteInItsOrder) {
    s.TileWallPaper = mov::kPlaceCentre;
    s.Adjust = mov::kAdjustNo;
    std::string pic = Picture(300, 200);
    MarkListener listen;
    writer.ApplyWallpaper(pic, pic, false);
    EXPECT_EQ(listen.marks, (std::vector<std::string>{"desktop begin", "placement begin", "placement end",
                                                       "desktop values begin", "desktop values end",
                                                       "wallpaper call begin", "wallpaper call end", "desktop end"}));
    EXPECT_EQ(Reg("WallpaperStyle"), "0");  // marked or not, the write is the same
}

}  // namespace
