// The screen-sized part of a picture: a centred region, or the coarsest libjpeg scale.
#include "engine/screen_cut.h"
#include "smartfit/geometry.h"

namespace mov {
namespace {

// libjpeg's scaled side: rounded up.
int64_t Scaled(int64_t side, int denom) { return (side + denom - 1) / denom; }

// The scale-to-fit's result for the picture at 1/d: its sizes come from whole percents, so
// a smaller picture can give another shape.
bool SameFit(const PictureSize& pic, int d, int32_t screenW, int32_t screenH) {
    smartfit::FitPlan whole, scaled;
    return smartfit::PlanFit(screenW, screenH, pic.width, pic.height, &whole) &&
           smartfit::PlanFit(screenW, screenH, static_cast<int>(Scaled(pic.width, d)),
                             static_cast<int>(Scaled(pic.height, d)), &scaled) &&
           whole.width == scaled.width && whole.height == scaled.height;
}

// The largest of 8, 4 and 2 that leaves at least `needW` x `needH` (0: any) and, for the
// scale-to-fit, the fit's own shape; else 1.
int CoarsestScale(const PictureSize& pic, int64_t needW, int64_t needH, bool scaleToFit, int32_t screenW,
                  int32_t screenH) {
    for (int d = 8; d > 1; d /= 2) {
        if (Scaled(pic.width, d) < needW || Scaled(pic.height, d) < needH) continue;
        if (!scaleToFit || SameFit(pic, d, screenW, screenH)) return d;
    }
    return 1;
}

}  // namespace

int32_t CentredOffset(int32_t screen, int32_t picture) {
    return static_cast<int32_t>((static_cast<int64_t>(screen) - picture) / 2);
}

ScreenCut PlanScreenCut(const Placement& p, const PictureSize& picture, int32_t screenW, int32_t screenH) {
    ScreenCut cut;
    if (!picture.known || screenW <= 0 || screenH <= 0 || p.tile != 0) return cut;
    const bool stretched = p.style == "2";
    if (p.smartFit) {
        // The fit scales the picture to the screen in one direction: the one where the
        // picture is relatively longer.
        // The extending fit (stretched by the desktop) draws the picture unscaled.
        const bool wide = static_cast<int64_t>(picture.width) * screenH > static_cast<int64_t>(picture.height) * screenW;
        cut.scaleDenom = CoarsestScale(picture, wide ? screenW : 0, wide ? 0 : screenH, !stretched, screenW, screenH);
    } else if (stretched) {
        cut.scaleDenom = CoarsestScale(picture, screenW, screenH, false, screenW, screenH);
    } else if (picture.width > screenW || picture.height > screenH) {
        cut.width = picture.width < screenW ? picture.width : screenW;
        cut.height = picture.height < screenH ? picture.height : screenH;
        cut.left = picture.width > screenW ? -CentredOffset(screenW, picture.width) : 0;
        cut.top = picture.height > screenH ? -CentredOffset(screenH, picture.height) : 0;
        cut.whole = false;
        return cut;
    }
    cut.whole = cut.scaleDenom == 1;
    return cut;
}

}  // namespace mov
