// Sizes and positions of the two smart fits, in the fit's own integer arithmetic.
#pragma once
#include <vector>

namespace mov::smartfit {

// Scale-to-fit: the picture scaled to width x height.
struct FitPlan {
    int width = 0;
    int height = 0;
};

// Extend-to-screen-shape: a canvas of width x height filled with the background, with
// the picture drawn unscaled at each x of xs, all at row y.
struct ExtendPlan {
    int width = 0;
    int height = 0;
    int y = 0;
    std::vector<int> xs;
};

// Position codes of the extend fit; any other value acts as Centre.
enum Position { kCentre = 0, kRepeatFromRight = 1, kRepeatFromLeft = 2 };

// Each returns false when no bitmap can be made: a screen or picture side that is not
// positive, a zero ratio to divide by, or a result with a side of 0 or more than
// kMaxPixels pixels. Products are taken in 64 bits, so large pictures cannot overflow;
// wherever the 32-bit products fit, the results are the same as in 32 bits.
bool PlanFit(int screenW, int screenH, int picW, int picH, FitPlan* plan);
bool PlanExtend(int screenW, int screenH, int picW, int picH, int position, ExtendPlan* plan);

}  // namespace mov::smartfit
