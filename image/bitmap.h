// In-memory bitmap: 24-bit BGR pixels, rows top-down and tightly packed.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>

namespace mov {

// Upper bound on the pixels of any bitmap we create or read. A hostile header can claim
// up to 2^31 x 2^31 pixels; this cap (128 Mi pixels, 384 MB at 24 bits, room for a
// 100-megapixel photograph) keeps every allocation possible inside a 32-bit process's
// 2 GB and keeps width x height x 4 far from overflowing size_t.
constexpr std::uint64_t kMaxPixels = std::uint64_t(1) << 27;

// A colour as the desktop uses it: blue, green, red.
struct Bgr {
    std::uint8_t b = 0, g = 0, r = 0;
};

// Bgr from a Windows COLORREF (0x00BBGGRR).
inline Bgr BgrFromColorRef(std::uint32_t c) {
    Bgr p;
    p.r = static_cast<std::uint8_t>(c & 0xFF);
    p.g = static_cast<std::uint8_t>((c >> 8) & 0xFF);
    p.b = static_cast<std::uint8_t>((c >> 16) & 0xFF);
    return p;
}

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(Bitmap&&) noexcept = default;
    Bitmap& operator=(Bitmap&&) noexcept = default;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    // Allocates width x height pixels, contents undefined. False (and an empty bitmap)
    // when a side is not positive, the pixel count exceeds kMaxPixels, or memory runs out.
    bool Allocate(int width, int height);
    void Reset();

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return !pixels_; }
    std::size_t stride() const { return static_cast<std::size_t>(width_) * 3; }
    std::uint8_t* data() { return pixels_.get(); }
    const std::uint8_t* data() const { return pixels_.get(); }
    std::uint8_t* row(int y) { return pixels_.get() + stride() * static_cast<std::size_t>(y); }
    const std::uint8_t* row(int y) const { return pixels_.get() + stride() * static_cast<std::size_t>(y); }
    Bgr At(int x, int y) const {
        const std::uint8_t* p = row(y) + static_cast<std::size_t>(x) * 3;
        return Bgr{p[0], p[1], p[2]};
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<std::uint8_t[]> pixels_;
};

// Fills the rectangle [x, x + w) x [y, y + h), clipped to the bitmap.
void FillRect(Bitmap& dst, int x, int y, int w, int h, Bgr colour);

// Copies src unscaled with its top-left corner at (x, y) of dst, clipped to dst
// (x and y may be negative or beyond the edges).
void DrawAt(Bitmap& dst, const Bitmap& src, int x, int y);

}  // namespace mov
