// Resampling with stb_image_resize (Debian libstb-dev), in strips of output rows.
#include "image/resize.h"

#include <algorithm>
#include <cstring>
#include <new>

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#define STB_IMAGE_RESIZE_STATIC
#include <stb_image_resize.h>

namespace mov {

namespace {

constexpr std::size_t kStripBytes = 1 << 20;

// Output rows [y0, y0 + rows) of the whole resize: the same scale, shifted by y0.
bool ResizeStrip(const Bitmap& src, int outW, int outH, int y0, int rows, std::uint8_t* out) {
    const float xs = static_cast<float>(outW) / static_cast<float>(src.width());
    const float ys = static_cast<float>(outH) / static_cast<float>(src.height());
    return stbir_resize_subpixel(src.data(), src.width(), src.height(), 0, out, outW, rows, 0,
                                 STBIR_TYPE_UINT8, 3, STBIR_ALPHA_CHANNEL_NONE, 0, STBIR_EDGE_CLAMP,
                                 STBIR_EDGE_CLAMP, STBIR_FILTER_DEFAULT, STBIR_FILTER_DEFAULT,
                                 STBIR_COLORSPACE_LINEAR, nullptr, xs, ys, 0.0f,
                                 static_cast<float>(y0)) == 1;
}

bool ValidTarget(const Bitmap& src, int w, int h) {
    return !src.empty() && w > 0 && h > 0 && std::uint64_t(w) * std::uint64_t(h) <= kMaxPixels;
}

}  // namespace

bool ResizeStreamed(const Bitmap& src, int outWidth, int outHeight, const RowSink& sink) {
    if (!ValidTarget(src, outWidth, outHeight)) return false;
    const std::size_t stride = static_cast<std::size_t>(outWidth) * 3;
    const int stripRows = static_cast<int>(std::clamp<std::size_t>(kStripBytes / stride, 1, outHeight));
    std::unique_ptr<std::uint8_t[]> strip(new (std::nothrow) std::uint8_t[stride * stripRows]);
    if (!strip) return false;
    for (int end = outHeight; end > 0; end -= stripRows) {
        const int y0 = std::max(0, end - stripRows);
        const int rows = end - y0;
        if (src.width() == outWidth && src.height() == outHeight) {
            std::memcpy(strip.get(), src.row(y0), stride * rows);
        } else if (!ResizeStrip(src, outWidth, outHeight, y0, rows, strip.get())) {
            return false;
        }
        for (int i = rows - 1; i >= 0; --i) {
            if (!sink(y0 + i, strip.get() + stride * i)) return false;
        }
    }
    return true;
}

bool ResizeInto(const Bitmap& src, Bitmap& dst) {
    if (dst.empty() || !ValidTarget(src, dst.width(), dst.height())) return false;
    if (src.width() == dst.width() && src.height() == dst.height()) {
        std::memcpy(dst.data(), src.data(), src.stride() * src.height());
        return true;
    }
    return ResizeStrip(src, dst.width(), dst.height(), 0, dst.height(), dst.data());
}

}  // namespace mov
