// Sizes and positions of the two smart fits on a 1024 x 768 screen and at the limits.
#include <gtest/gtest.h>

#include <vector>

#include "smartfit/geometry.h"

using namespace mov::smartfit;

namespace {

FitPlan Fit(int pw, int ph, int W = 1024, int H = 768) {
    FitPlan p;
    EXPECT_TRUE(PlanFit(W, H, pw, ph, &p)) << pw << "x" << ph;
    return p;
}

ExtendPlan Extend(int pw, int ph, int pos, int W = 1024, int H = 768) {
    ExtendPlan p;
    EXPECT_TRUE(PlanExtend(W, H, pw, ph, pos, &p)) << pw << "x" << ph;
    return p;
}

TEST(SmartFitGeometry, ScaleToFitWorkedFigures) {
    FitPlan p = Fit(800, 400);  // wider: full width
    EXPECT_EQ(p.width, 1024);
    EXPECT_EQ(p.height, 512);
    p = Fit(600, 800);  // taller: full height
    EXPECT_EQ(p.width, 576);
    EXPECT_EQ(p.height, 768);
    // The truncating order: (102400 / 1700) * 900 / 100 = 540, where 1024 x 900 / 1700
    // would give 542; and (76800 / 1700) * 900 / 100 = 405 for the upright one.
    p = Fit(1700, 900);
    EXPECT_EQ(p.width, 1024);
    EXPECT_EQ(p.height, 540);
    p = Fit(900, 1700);
    EXPECT_EQ(p.width, 405);
    EXPECT_EQ(p.height, 768);
    // Larger pictures are shrunk to the same rule.
    p = Fit(6000, 4000);
    EXPECT_EQ(p.width, 1024);
    EXPECT_EQ(p.height, 680);
}

TEST(SmartFitGeometry, SameRatioTakesTheSecondBranchOfEach) {
    // 1000 x 759: Rp = 75 = Rs.
    FitPlan f = Fit(1000, 759);
    EXPECT_EQ(f.height, 768);   // the first branch would give 1024 x 774
    EXPECT_EQ(f.width, 1010);   // (76800 / 759) * 1000 / 100
    ExtendPlan e = Extend(1000, 759, 2);
    EXPECT_EQ(e.width, 1000);
    EXPECT_EQ(e.height, 750);
    EXPECT_EQ(e.y, -4);  // (750 - 759) / 2 truncated towards zero; the copy is clipped
    EXPECT_EQ(e.xs, (std::vector<int>{0}));
}

TEST(SmartFitGeometry, ExtendWorkedFigures) {
    ExtendPlan e = Extend(800, 400, 0);
    EXPECT_EQ(e.width, 800);
    EXPECT_EQ(e.height, 600);
    EXPECT_EQ(e.y, 100);
    EXPECT_EQ(e.xs, (std::vector<int>{0}));

    e = Extend(600, 800, 0);
    EXPECT_EQ(e.width, 1066);
    EXPECT_EQ(e.height, 800);
    EXPECT_EQ(e.y, 0);
    EXPECT_EQ(e.xs, (std::vector<int>{233}));
    EXPECT_EQ(Extend(600, 800, 1).xs, (std::vector<int>{466, -134}));
    EXPECT_EQ(Extend(600, 800, 2).xs, (std::vector<int>{0, 600}));
    // Narrow pictures repeat until the canvas is covered, and no further.
    EXPECT_EQ(Extend(100, 300, 1).xs, (std::vector<int>{300, 200, 100, 0}));
    EXPECT_EQ(Extend(100, 300, 2).xs, (std::vector<int>{0, 100, 200, 300}));
    EXPECT_EQ(Extend(130, 300, 1).xs, (std::vector<int>{270, 140, 10, -120}));
}

TEST(SmartFitGeometry, UnknownPositionsCentreAndWidePicturesIgnoreThePosition) {
    for (int pos : {5, -1, 3, 1000}) EXPECT_EQ(Extend(600, 800, pos).xs, (std::vector<int>{233})) << pos;
    for (int pos : {0, 1, 2, 5}) {
        ExtendPlan e = Extend(800, 400, pos);
        EXPECT_EQ(e.xs, (std::vector<int>{0}));
        EXPECT_EQ(e.y, 100);
    }
}

TEST(SmartFitGeometry, DegenerateAndHugeInputsMakeNoBitmap) {
    FitPlan f;
    ExtendPlan e;
    EXPECT_FALSE(PlanFit(0, 768, 800, 600, &f));
    EXPECT_FALSE(PlanFit(1024, 0, 800, 600, &f));
    EXPECT_FALSE(PlanFit(1024, 768, 0, 600, &f));
    EXPECT_FALSE(PlanExtend(1024, 768, 800, 0, 0, &e));
    // A screen less than a hundredth as high as wide has Rs = 0.
    EXPECT_FALSE(PlanExtend(1024, 10, 600, 800, 0, &e));
    // A picture over 102400 pixels wide truncates to a height of 0.
    EXPECT_FALSE(PlanFit(1024, 768, 120000, 1000, &f));
    // 32-bit products would wrap here (ph x 100, pw x Rs); 64-bit ones give sizes far
    // above the cap instead of a wrapped small size.
    EXPECT_FALSE(PlanFit(1024, 768, 1, 100000000, &f));
    EXPECT_FALSE(PlanExtend(1024, 768, 1, 100000000, 0, &e));
    EXPECT_FALSE(PlanExtend(100, 1000000, 30000, 10, 0, &e));
    // Large but possible: a 16000 x 2000 panorama on a canvas of 16000 x 12000 is over
    // the cap (192 Mpx); 8000 x 2000 gives 8000 x 6000.
    EXPECT_FALSE(PlanExtend(1024, 768, 16000, 2000, 0, &e));
    e = Extend(8000, 2000, 0);
    EXPECT_EQ(e.width, 8000);
    EXPECT_EQ(e.height, 6000);
    EXPECT_EQ(e.y, 2000);
}

}  // namespace
