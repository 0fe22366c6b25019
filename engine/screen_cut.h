// How much of a JPEG picture the desktop can show: a centred picture larger than the
// screen needs only the part on the screen, a fitted or stretched one no more pixels than
// the screen has in the fitted direction. A tile needs the whole picture.
#pragma once
#include <cstdint>
#include "engine/placement.h"

namespace mov {

struct ScreenCut {
    bool whole = true;  // convert the whole picture, as the desktop gets it otherwise
    // The part to decode, of the upright picture at 1/scaleDenom of its size.
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    int scaleDenom = 1;  // 1, 2, 4 or 8
};

// Where the desktop puts the first pixel of a centred picture of `picture` pixels on a
// screen of `screen` pixels (negative when the picture is larger): half the difference,
// rounded toward zero.
int32_t CentredOffset(int32_t screen, int32_t picture);

// From the placement decided on the picture's own (upright) size, the adjust mode and the
// screen. Unknown sizes, a screen without pixels and pictures that fit the screen: whole.
ScreenCut PlanScreenCut(const Placement& p, const PictureSize& picture, int32_t screenW, int32_t screenH);

}  // namespace mov
