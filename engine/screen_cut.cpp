// The screen-sized part of a picture: a centred region, or the coarsest libjpeg scale.
#include "engine/screen_cut.h"

namespace mov {
namespace {

// libjpeg's scaled side: rounded up.
int64_t Scaled(int64_t side, int denom) { return (side + denom - 1) / denom; }

// The largest of 8, 4 and 2 that leaves at least `needW` x `needH` (0: any), else 1.
int CoarsestScale(const PictureSize& pic, int64_t needW, int64_t needH) {
    for (int d = 8; d > 1; d /= 2) {
        if (Scaled(pic.width, d) >= needW && Scaled(pic.height, d) >= needH) return d;
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
        const bool wide = static_cast<int64_t>(picture.width) * screenH > static_cast<int64_t>(picture.height) * screenW;
        cut.scaleDenom = wide ? CoarsestScale(picture, screenW, 0) : CoarsestScale(picture, 0, screenH);
    } else if (stretched) {
        cut.scaleDenom = CoarsestScale(picture, screenW, screenH);
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
