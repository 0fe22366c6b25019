// The remote control's translucency: the layered style only together with its alpha.
#include <gtest/gtest.h>
#include "remote/translucency.h"

namespace {

BOOL WINAPI FailingSetLayered(HWND, COLORREF, BYTE, DWORD) { return FALSE; }

class TranslucencyTest : public ::testing::Test {
protected:
    void SetUp() override {
        w_ = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "remote", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(w_, nullptr);
    }
    void TearDown() override { DestroyWindow(w_); }
    LONG ExStyle() const { return GetWindowLongA(w_, GWL_EXSTYLE); }
    HWND w_ = nullptr;
};

TEST_F(TranslucencyTest, FailedAlphaLeavesTheWindowOpaqueWithItsOtherStyles) {
    EXPECT_FALSE(rc::ApplyAlpha(w_, FailingSetLayered));
    EXPECT_EQ(ExStyle() & WS_EX_LAYERED, 0);
    EXPECT_NE(ExStyle() & WS_EX_TOOLWINDOW, 0);
}

TEST_F(TranslucencyTest, TheSystemsFunctionMakesItLayeredAt192) {
    ASSERT_TRUE(rc::MakeTranslucent(w_));  // the bench reports a system with layered windows
    EXPECT_NE(ExStyle() & WS_EX_LAYERED, 0);
    EXPECT_NE(ExStyle() & WS_EX_TOOLWINDOW, 0);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(w_, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 192);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
}

}  // namespace
