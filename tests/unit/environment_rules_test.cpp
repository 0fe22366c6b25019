// The probe's decisions: Windows kind, browser version, JPEG reader order, NT 4.0 pattern,
// and the desktop check's question texts.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "settings/environment_rules.h"

namespace {
using namespace mov;

TEST(EnvironmentRules, OsKindFromVersionFields) {
    EXPECT_EQ(OsKindOf(false, 2, 5), 0);  // the query failed
    EXPECT_EQ(OsKindOf(true, 2, 3), 0);   // NT 3.51
    EXPECT_EQ(OsKindOf(true, 2, 4), 2);
    EXPECT_EQ(OsKindOf(true, 2, 5), 3);
    EXPECT_EQ(OsKindOf(true, 2, 10), 3);
    EXPECT_EQ(OsKindOf(true, 1, 4), 1);   // 95/98/Me
    EXPECT_EQ(OsKindOf(true, 0, 3), 1);   // Win32s
}

TEST(EnvironmentRules, BrowserVersionTable) {
    EXPECT_EQ(IeVersionOf("4.72.3110.0"), 1);
    EXPECT_EQ(IeVersionOf("4.71.1712.6"), 0);  // only 4.72 counts as version 4
    EXPECT_EQ(IeVersionOf("5.00.2614.3500"), 2);
    EXPECT_EQ(IeVersionOf("5.50.4134.0600"), 3);
    EXPECT_EQ(IeVersionOf("6.0.2900.2180"), 4);
    EXPECT_EQ(IeVersionOf("7.0.5730.13"), 0);
    EXPECT_EQ(IeVersionOf("11.0.9600"), 0);
    EXPECT_EQ(IeVersionOf("4.7"), 0);  // shorter than what is compared
    EXPECT_EQ(IeVersionOf(""), 0);
}

// The names tried, in order, on a machine where only `present` load.
std::vector<std::string> Tried(int osKind, std::vector<std::string> present, JpegReader& r) {
    std::vector<std::string> tried;
    r = FindJpegReader(osKind, [&](const char* name) {
        tried.push_back(name);
        for (const auto& p : present)
            if (p == name) return true;
        return false;
    });
    return tried;
}

TEST(EnvironmentRules, JpegReaderOrderAndResults) {
    JpegReader r;
    EXPECT_EQ(Tried(3, {"jpegfilt.dll"}, r), std::vector<std::string>{"jpegfilt.dll"});
    EXPECT_EQ(r.available, 1);
    EXPECT_EQ(r.plugIn, 0);

    // Windows 9x never tries the NT filter library; the 9x one needs a plug-in.
    EXPECT_EQ(Tried(1, {"jpegfilt.dll", "jpegfilt95.dll"}, r),
              (std::vector<std::string>{"jpegfilt95.dll", "IFJPEGV6.SPI", "IFJPEG.SPI"}));
    EXPECT_EQ(r.available, 0);
    EXPECT_EQ(r.plugIn, 0);
    EXPECT_EQ(Tried(1, {"jpegfilt95.dll", "IFJPEGV6.SPI", "IFJPEG.SPI"}, r),
              (std::vector<std::string>{"jpegfilt95.dll", "IFJPEGV6.SPI"}));
    EXPECT_EQ(r.available, 1);
    EXPECT_EQ(r.plugIn, 1);
    EXPECT_EQ(Tried(1, {"IFJPEG.SPI"}, r), std::vector<std::string>{"jpegfilt95.dll"});
    EXPECT_EQ(r.available, 0);

    // Elsewhere the 9x pair is the second choice.
    EXPECT_EQ(Tried(2, {"jpegfilt95.dll", "IFJPEG.SPI"}, r),
              (std::vector<std::string>{"jpegfilt.dll", "jpegfilt95.dll", "IFJPEGV6.SPI", "IFJPEG.SPI"}));
    EXPECT_EQ(r.available, 1);
    EXPECT_EQ(r.plugIn, 1);
    Tried(0, {}, r);
    EXPECT_EQ(r.available, 0);
    EXPECT_EQ(r.plugIn, 0);
}

TEST(EnvironmentRules, ZeroPatternForNoneShortOrAbsentPatterns) {
    const std::string none = "(なし)";
    EXPECT_TRUE(NeedsZeroPattern(true, none, none.size() + 1));
    EXPECT_TRUE(NeedsZeroPattern(true, "", 1));
    EXPECT_TRUE(NeedsZeroPattern(true, "0 0 0 0 0 0 0 0", 16));
    EXPECT_FALSE(NeedsZeroPattern(true, "0 0 0 0 0 0 0 00", 17));
    EXPECT_FALSE(NeedsZeroPattern(true, "170 85 170 85 170 85 170 85", 28));
    // Too long for the text buffer: not read, but large enough to be a real pattern.
    EXPECT_FALSE(NeedsZeroPattern(true, "", 400));
    EXPECT_TRUE(NeedsZeroPattern(false, "", 0));
    EXPECT_EQ(std::string(kZeroPattern).size() + 1, 18u);
}

TEST(EnvironmentRules, QuestionTextsNameBothValues) {
    const std::string tile = DesktopQuestion(DesktopValue::TileWallpaper, "1", "0");
    EXPECT_EQ(tile,
              "システムのデスクトップ壁紙表示方法が、以前と異なっています。\n\n\t以前の値：並べて表示"
              "\n\t現在の値：中央に表示\n\n以前の値の戻しますか?");
    // Any text but "0" describes tiling, an empty one included.
    EXPECT_NE(DesktopQuestion(DesktopValue::TileWallpaper, "", "0").find("以前の値：並べて表示\n"), std::string::npos);

    EXPECT_EQ(DesktopQuestion(DesktopValue::WallpaperStyle, "0", "2"),
              "システムのデスクトップ壁紙スクリーンに合わせるか否かが、以前と異なっています。\n\n\t以前の値："
              "スクリーンにあわせない\n\t現在の値：スクリーンにあわせる\n\n以前の値の戻しますか?");

    // The origin is shown as it is stored; an absent copy shows nothing.
    EXPECT_EQ(DesktopQuestion(DesktopValue::WallpaperOriginX, "", "0"),
              "システムのデスクトップ壁紙表示開始Ｘ座標が、以前と異なっています。\n\n\t以前の値："
              "\n\t現在の値：0\n\n以前の値の戻しますか?");
    EXPECT_STREQ(DesktopValueName(DesktopValue::WallpaperOriginX), "WallpaperOriginX");
}

// The texts reach the message box in Shift-JIS, whatever the source file's encoding.
TEST(EnvironmentRules, QuestionTextIsShiftJis) {
    const std::string q = DesktopQuestion(DesktopValue::TileWallpaper, "0", "1");
    // "中央に表示": 表 ends in 0x5C, the byte that a path would read as a backslash.
    const std::string centre = "\x92\x86\x89\x9b\x82\xc9\x95\x5c\x8e\xa6";
    EXPECT_NE(q.find("\t\x88\xc8\x91\x4f\x82\xcc\x92\x6c\x81\x46" + centre + "\n"), std::string::npos);
}

}  // namespace
