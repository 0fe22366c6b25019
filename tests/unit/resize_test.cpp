// Resampling: strips give the whole-picture result, flat colours stay flat.
#include <gtest/gtest.h>

#include <vector>

#include "image/resize.h"
#include "test_support.h"

using mov::Bitmap;

namespace {

// Collects streamed rows into a bitmap, checking they come bottom-up, each once.
bool Streamed(const Bitmap& src, int w, int h, Bitmap* out) {
    if (!out->Allocate(w, h)) return false;
    int next = h - 1;
    return mov::ResizeStreamed(src, w, h, [&](int y, const std::uint8_t* row) {
        if (y != next--) return false;
        std::copy(row, row + out->stride(), out->row(y));
        return true;
    });
}

TEST(Resize, StripsMatchTheWholePicture) {
    // Outputs above a megabyte come in several strips.
    const Bitmap src = testsupport::Pattern(300, 200);
    for (auto [w, h] : {std::pair{1400, 900}, std::pair{90, 61}, std::pair{300, 1300}, std::pair{300, 200}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        Bitmap whole, strips;
        ASSERT_TRUE(whole.Allocate(w, h));
        ASSERT_TRUE(mov::ResizeInto(src, whole));
        ASSERT_TRUE(Streamed(src, w, h, &strips));
        EXPECT_EQ(testsupport::MaxDiff(whole, strips), 0);
    }
}

TEST(Resize, FlatColourStaysFlatBothWays) {
    Bitmap src;
    ASSERT_TRUE(src.Allocate(64, 48));
    mov::FillRect(src, 0, 0, 64, 48, mov::Bgr{12, 200, 99});
    for (auto [w, h] : {std::pair{1000, 750}, std::pair{7, 5}}) {
        Bitmap out;
        ASSERT_TRUE(out.Allocate(w, h));
        ASSERT_TRUE(mov::ResizeInto(src, out));
        for (int y = 0; y < h; y += 3) {
            for (int x = 0; x < w; x += 5) {
                const mov::Bgr p = out.At(x, y);
                ASSERT_TRUE(p.b == 12 && p.g == 200 && p.r == 99) << x << "," << y;
            }
        }
    }
}

TEST(Resize, RefusesImpossibleTargetsAndStopsWhenTheSinkDoes) {
    const Bitmap src = testsupport::Pattern(10, 10);
    auto any = [](int, const std::uint8_t*) { return true; };
    EXPECT_FALSE(mov::ResizeStreamed(src, 0, 10, any));
    EXPECT_FALSE(mov::ResizeStreamed(src, 1 << 15, 1 << 15, any));
    EXPECT_FALSE(mov::ResizeStreamed(Bitmap(), 10, 10, any));
    int calls = 0;
    EXPECT_FALSE(mov::ResizeStreamed(src, 20, 20, [&](int, const std::uint8_t*) { return ++calls < 3; }));
    EXPECT_EQ(calls, 3);
}

TEST(Bitmap, FillAndDrawClipAtEveryEdge) {
    Bitmap dst;
    ASSERT_TRUE(dst.Allocate(4, 3));
    mov::FillRect(dst, -10, -10, 100, 100, mov::Bgr{1, 1, 1});
    const Bitmap pic = testsupport::Pattern(3, 2);
    mov::DrawAt(dst, pic, -1, 2);  // only pic (1..2, 0) lands, at (0..1, 2)
    EXPECT_EQ(dst.At(0, 2).b, pic.At(1, 0).b);
    EXPECT_EQ(dst.At(1, 2).g, pic.At(2, 0).g);
    EXPECT_EQ(dst.At(2, 2).b, 1);
    EXPECT_EQ(dst.At(0, 1).b, 1);
    mov::DrawAt(dst, pic, 4, 0);  // entirely outside
    mov::DrawAt(dst, pic, -3, 0);
    EXPECT_EQ(dst.At(3, 0).b, 1);
    EXPECT_FALSE(dst.Allocate(1 << 14, (1 << 13) + 1));  // over the pixel cap
    EXPECT_TRUE(dst.empty());
}

}  // namespace
