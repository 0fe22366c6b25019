// In-memory bitmap: allocation under the pixel cap, clipped fill and copy.
#include "image/bitmap.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace mov {

bool Bitmap::Allocate(int width, int height) {
    Reset();
    if (width <= 0 || height <= 0) return false;
    const std::uint64_t count = std::uint64_t(width) * std::uint64_t(height);
    if (count > kMaxPixels) return false;
    pixels_.reset(new (std::nothrow) std::uint8_t[static_cast<std::size_t>(count) * 3]);
    if (!pixels_) return false;
    width_ = width;
    height_ = height;
    return true;
}

void Bitmap::Reset() {
    pixels_.reset();
    width_ = height_ = 0;
}

namespace {

// Clips [start, start + len) to [0, limit); false when nothing is left.
bool Clip(long long& start, long long& len, long long limit) {
    long long lo = std::max<long long>(start, 0);
    long long hi = std::min<long long>(start + len, limit);
    if (hi <= lo) return false;
    start = lo;
    len = hi - lo;
    return true;
}

}  // namespace

void FillRect(Bitmap& dst, int x, int y, int w, int h, Bgr colour) {
    if (dst.empty()) return;
    long long x0 = x, y0 = y, cw = w, ch = h;
    if (!Clip(x0, cw, dst.width()) || !Clip(y0, ch, dst.height())) return;
    for (long long row = y0; row < y0 + ch; ++row) {
        std::uint8_t* p = dst.row(static_cast<int>(row)) + x0 * 3;
        for (long long i = 0; i < cw; ++i, p += 3) {
            p[0] = colour.b;
            p[1] = colour.g;
            p[2] = colour.r;
        }
    }
}

void DrawAt(Bitmap& dst, const Bitmap& src, int x, int y) {
    if (dst.empty() || src.empty()) return;
    long long dx = x, dy = y, cw = src.width(), ch = src.height();
    if (!Clip(dx, cw, dst.width()) || !Clip(dy, ch, dst.height())) return;
    const long long sx = dx - x, sy = dy - y;
    for (long long i = 0; i < ch; ++i) {
        std::memcpy(dst.row(static_cast<int>(dy + i)) + dx * 3,
                    src.row(static_cast<int>(sy + i)) + sx * 3, static_cast<std::size_t>(cw) * 3);
    }
}

}  // namespace mov
