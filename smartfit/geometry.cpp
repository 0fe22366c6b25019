// Sizes and positions of the two smart fits. The order of the truncating divisions is
// the fit's definition: keep it as it is (e.g. bw = (H * 100 / ph) * pw / 100).
#include "smartfit/geometry.h"

#include <cstdint>

#include "image/bitmap.h"

namespace mov::smartfit {

namespace {

using i64 = std::int64_t;

bool Fits(i64 w, i64 h) {
    return w > 0 && h > 0 && w <= INT32_MAX && h <= INT32_MAX &&
           static_cast<std::uint64_t>(w) * static_cast<std::uint64_t>(h) <= kMaxPixels;
}

}  // namespace

bool PlanFit(int screenW, int screenH, int picW, int picH, FitPlan* plan) {
    if (screenW <= 0 || screenH <= 0 || picW <= 0 || picH <= 0) return false;
    const i64 W = screenW, H = screenH, pw = picW, ph = picH;
    const i64 rs = H * 100 / W;
    const i64 rp = ph * 100 / pw;
    i64 bw, bh;
    if (rp < rs) {  // relatively wider than the screen: full width
        bw = W;
        bh = (W * 100 / pw) * ph / 100;
    } else {        // taller or the same shape: full height
        bh = H;
        bw = (H * 100 / ph) * pw / 100;
    }
    if (!Fits(bw, bh)) return false;
    plan->width = static_cast<int>(bw);
    plan->height = static_cast<int>(bh);
    return true;
}

bool PlanExtend(int screenW, int screenH, int picW, int picH, int position, ExtendPlan* plan) {
    if (screenW <= 0 || screenH <= 0 || picW <= 0 || picH <= 0) return false;
    const i64 W = screenW, H = screenH, pw = picW, ph = picH;
    const i64 rs = H * 100 / W;
    const i64 rp = ph * 100 / pw;
    i64 bw, bh, x, y;
    plan->xs.clear();
    if (rs >= rp) {  // wider than the screen, or as wide: bands above and below
        bh = pw * rs / 100;
        bw = pw;
        x = 0;
        y = (bh - ph) / 2;
    } else {         // taller: bands left and right, or repeats
        if (rs == 0) return false;
        bw = ph * 100 / rs;
        bh = ph;
        y = 0;
        x = position == kRepeatFromRight ? bw - pw : position == kRepeatFromLeft ? 0 : (bw - pw) / 2;
    }
    if (!Fits(bw, bh)) return false;
    if (rs < rp && position == kRepeatFromRight) {
        for (i64 cx = x; cx + pw > 0; cx -= pw) plan->xs.push_back(static_cast<int>(cx));
    } else if (rs < rp && position == kRepeatFromLeft) {
        for (i64 cx = 0; cx < bw; cx += pw) plan->xs.push_back(static_cast<int>(cx));
    } else {
        plan->xs.push_back(static_cast<int>(x));
    }
    plan->width = static_cast<int>(bw);
    plan->height = static_cast<int>(bh);
    plan->y = static_cast<int>(y);
    return true;
}

}  // namespace mov::smartfit
