// The two smart fits from picture file to output file, given the screen's size.
#pragma once
#include "image/bitmap.h"

namespace mov::smartfit {

enum class FitResult {
    Written,
    Unreadable,   // the source is missing or not a bitmap we read
    NoShape,      // a zero screen or picture side, or a result too large (geometry.h)
    WriteFailed,  // the output could not be written; no partial file is left
};

// Scale-to-fit: the picture scaled to fill the screen in one direction, written with
// outBits (24 or 32) bits per pixel. Nothing is written unless the result is Written.
FitResult RunFit(const char* srcPath, const char* dstPath, int screenW, int screenH, int outBits);

// Extend-to-screen-shape: the picture unscaled on a canvas of the screen's proportions
// filled with background, centred or repeated by position; a 24-bit file.
FitResult RunExtend(const char* srcPath, const char* dstPath, int screenW, int screenH, int position,
                    Bgr background);

}  // namespace mov::smartfit
