// Resampling of a bitmap to another size (Mitchell filter when shrinking, Catmull-Rom
// when enlarging), whole or streamed in strips of rows.
#pragma once
#include <cstdint>
#include <functional>

#include "image/bitmap.h"

namespace mov {

// Receives output row y (width x 3 bytes); returns false to stop.
using RowSink = std::function<bool(int y, const std::uint8_t* bgr)>;

// Scales src to outWidth x outHeight and hands the rows to sink from the bottom row up,
// holding only a strip of about a megabyte of output at a time. The result is the same
// as a whole-picture resize. False when a size is not positive or above kMaxPixels,
// memory runs out, or sink stops.
bool ResizeStreamed(const Bitmap& src, int outWidth, int outHeight, const RowSink& sink);

// Scales src into dst, which must already be allocated at the wanted size.
bool ResizeInto(const Bitmap& src, Bitmap& dst);

}  // namespace mov
