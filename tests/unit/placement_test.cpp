// Placement decisions of one change, as a table over settings and picture sizes.
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include "engine/placement.h"
#include "engine/screen_cut.h"
#include "settings/settings_record.h"
#include "settings/settings_codes.h"

namespace {

using mov::DecidePlacement;
using mov::PictureSize;
using mov::SettingsRecord;

PictureSize Size(int w, int h) {
    PictureSize p;
    p.known = true;
    p.width = w;
    p.height = h;
    return p;
}

SettingsRecord Centred(int adjust) {
    SettingsRecord s;
    s.TileWallPaper = mov::kPlaceCentre;
    s.Adjust = adjust;
    return s;
}

TEST(PictureSize, ReadsWidthAndHeightOfTheInfoHeader) {
    unsigned char h[58] = {'B', 'M'};
    const int32_t w = 640, ht = -480;  // top-down bitmaps have a negative height
    std::memcpy(h + 18, &w, 4);
    std::memcpy(h + 22, &ht, 4);
    PictureSize s = mov::PictureSizeOf(h, sizeof h);
    EXPECT_TRUE(s.known);
    EXPECT_EQ(s.width, 640);
    EXPECT_EQ(s.height, 480);
    EXPECT_EQ(mov::RatioOf(s), 75);
    EXPECT_FALSE(mov::PictureSizeOf(h, 25).known);
    EXPECT_TRUE(mov::PictureSizeOf(h, 26).known);
}

TEST(PictureSize, HeadersWithoutAPictureGiveNoSize) {
    unsigned char h[26] = {'B', 'M'};
    struct { int32_t w, h; } bad[] = {{0, 100}, {-5, -5}, {100, 0}, {-2147483647 - 1, 10}, {10, -2147483647 - 1}};
    for (auto b : bad) {
        std::memcpy(h + 18, &b.w, 4);
        std::memcpy(h + 22, &b.h, 4);
        EXPECT_FALSE(mov::PictureSizeOf(h, sizeof h).known) << b.w << "x" << b.h;
    }
}

TEST(PictureSize, RatioIsIntegerAndSafeForHugeOrZeroSizes) {
    EXPECT_EQ(mov::RatioOf(Size(1024, 768)), 75);
    EXPECT_EQ(mov::RatioOf(Size(3, 2)), 66);
    EXPECT_EQ(mov::RatioOf(Size(0, 100)), 0);
    EXPECT_EQ(mov::RatioOf(Size(1, 0x7fffffff)), 0x7fffffff);  // clamped, no overflow
    EXPECT_EQ(mov::RatioOf(Size(100, 0x7fffffff)), 2147483647);
}

TEST(Placement, FixedTilingChoosesNoStyleAndGivesActiveDesktopTheShellPath) {
    SettingsRecord s;  // TileWallPaper 1
    s.Adjust = mov::kAdjustYes;
    auto p = DecidePlacement(s, Size(300, 200), true, 1024, false);
    EXPECT_EQ(p.tileText, "1");
    EXPECT_EQ(p.style, "");
    EXPECT_FALSE(p.smartFit);
    EXPECT_EQ(p.activeStyle, 1);
    EXPECT_FALSE(p.activeUsesDesktopPath);
    EXPECT_TRUE(DecidePlacement(s, Size(300, 200), true, 1024, true).activeUsesDesktopPath);
}

TEST(Placement, AutomaticTilingNeedsBothSidesStrictlySmaller) {
    SettingsRecord s;
    s.AutoTile = mov::kAutoTileArmed;
    s.TileWallPaper = mov::kPlaceAuto;
    struct { int w, h, tile; } cases[] = {{639, 479, 1}, {640, 100, 0}, {100, 480, 0}, {640, 480, 0}, {1, 1, 1}};
    for (auto c : cases) {
        auto p = DecidePlacement(s, Size(c.w, c.h), true, 1024, false);
        EXPECT_EQ(p.tileWallPaper, c.tile) << c.w << "x" << c.h;
        EXPECT_EQ(p.tileText, c.tile ? "1" : "0");
    }
}

TEST(Placement, UndecidedAutomaticPlacementIsWrittenCentred) {
    SettingsRecord s;
    s.AutoTile = mov::kAutoTileArmed;
    s.TileWallPaper = mov::kPlaceAuto;
    auto p = DecidePlacement(s, PictureSize{}, true, 1024, false);
    EXPECT_EQ(p.tileWallPaper, 2);  // kept for the next change to decide
    EXPECT_EQ(p.tileText, "0");
    EXPECT_EQ(p.activeStyle, 0);
    EXPECT_EQ(p.style, "0");
}

TEST(Placement, StyleByAdjust) {
    EXPECT_EQ(DecidePlacement(Centred(0), Size(800, 600), true, 1024, false).style, "0");
    EXPECT_EQ(DecidePlacement(Centred(1), Size(800, 600), true, 1024, false).style, "2");
    auto smart = DecidePlacement(Centred(3), Size(800, 600), true, 1024, false);
    EXPECT_EQ(smart.style, "0");
    EXPECT_TRUE(smart.smartFit);
    EXPECT_EQ(smart.activeStyle, 0);
    auto smart2 = DecidePlacement(Centred(4), Size(800, 600), true, 1024, false);
    EXPECT_EQ(smart2.style, "2");
    EXPECT_TRUE(smart2.smartFit);
    EXPECT_EQ(smart2.activeStyle, 2);
    EXPECT_TRUE(smart2.activeUsesDesktopPath);
}

TEST(Placement, RangeFitIncludesBothBounds) {
    SettingsRecord s = Centred(2);  // AdBegin 60, AdEnd 80
    struct { int h; const char* style; } cases[] = {{59, "0"}, {60, "2"}, {80, "2"}, {81, "0"}};
    for (auto c : cases)
        EXPECT_EQ(DecidePlacement(s, Size(100, c.h), true, 1024, false).style, c.style) << c.h;
    EXPECT_EQ(DecidePlacement(s, PictureSize{}, true, 1024, false).style, "");  // unreadable
}

TEST(Placement, TileOriginAlignsTilesToTheRightEdge) {
    SettingsRecord s;
    s.TiledatRight = 1;
    auto tiled = DecidePlacement(s, Size(300, 200), true, 1024, false);
    EXPECT_TRUE(tiled.writeOrigin);
    EXPECT_EQ(tiled.originText, "724");
    EXPECT_EQ(DecidePlacement(s, Size(300, 200), false, 0, false).originText, "0");  // no desktop rect
    EXPECT_EQ(DecidePlacement(s, Size(2000, 200), true, 1024, false).originText, "-976");
    EXPECT_EQ(DecidePlacement(s, Size(2147483647, 1), true, 1024, false).originText, "-2147482623");
    s.TileWallPaper = mov::kPlaceCentre;
    EXPECT_EQ(DecidePlacement(s, Size(300, 200), true, 1024, false).originText, "0");
    s.TiledatRight = 0;
    EXPECT_FALSE(DecidePlacement(s, Size(300, 200), true, 1024, false).writeOrigin);
}

// What the screen needs of a picture, on a 1024 x 768 screen: the part a centring desktop
// shows (half the difference, rounded toward zero), or the coarsest scale that still
// covers the fitted direction; tiles and pictures that fit are converted whole ("").
TEST(ScreenCut, OnlyWhatTheScreenShows) {
    const struct { int tile, adjust, w, h; const char* cut; } cases[] = {
        {0, mov::kAdjustNo, 6000, 4000, "2488,1616 1024x768"},
        {0, mov::kAdjustNo, 6001, 4001, "2488,1616 1024x768"},  // odd: toward zero
        {0, mov::kAdjustNo, 1025, 769, "0,0 1024x768"},
        {0, mov::kAdjustNo, 3000, 500, "988,0 1024x500"},       // larger one way only
        {0, mov::kAdjustNo, 1024, 768, ""},
        {1, mov::kAdjustNo, 6000, 4000, ""},                    // a tile needs it all
        {0, mov::kAdjustYes, 6000, 6000, "1/4"},                // stretched: both sides >= the screen
        {0, mov::kAdjustYes, 8192, 1000, ""},                   // 1000 / 2 < 768
        {0, mov::kAdjustSmart, 6000, 4000, "1/4"},              // width fitted
        {0, mov::kAdjustSmart2, 3000, 6200, "1/8"},             // height fitted: 775
        {0, mov::kAdjustSmart, 2047, 1000, "1/2"},              // libjpeg rounds up: 1024
        {0, mov::kAdjustSmart, 2045, 1000, ""},
        {0, mov::kAdjustSmart, 2400, 1600, ""},                 // 1/2 would fit it 680 high, not 672
    };
    for (const auto& c : cases) {
        SettingsRecord s = Centred(c.adjust);
        s.TileWallPaper = c.tile;
        const mov::ScreenCut cut = mov::PlanScreenCut(DecidePlacement(s, Size(c.w, c.h), true, 1024, false),
                                                      Size(c.w, c.h), 1024, 768);
        const std::string got = cut.whole ? "" : cut.scaleDenom > 1 ? "1/" + std::to_string(cut.scaleDenom)
            : std::to_string(cut.left) + "," + std::to_string(cut.top) + " " + std::to_string(cut.width) + "x" +
                std::to_string(cut.height);
        EXPECT_EQ(got, c.cut) << c.w << "x" << c.h << " adjust " << c.adjust;
    }
    EXPECT_TRUE(mov::PlanScreenCut(DecidePlacement(Centred(mov::kAdjustNo), PictureSize{}, true, 1024, false),
                                   PictureSize{}, 1024, 768).whole);
}

}  // namespace
