// fw::RootWindow against what GetAncestor(GA_ROOT) gives on the systems that have it.
#include <gtest/gtest.h>
#include <windows.h>
#include "framework/window.h"

namespace {

TEST(RootWindowTest, WalksParentsButNotOwners) {
    HINSTANCE inst = GetModuleHandleA(nullptr);
    auto make = [&](DWORD style, HWND parent) {
        return CreateWindowExA(0, "STATIC", "", style, 0, 0, 50, 50, parent, nullptr, inst, nullptr);
    };
    HWND top = make(WS_OVERLAPPEDWINDOW, nullptr);
    HWND child = make(WS_CHILD, top);
    HWND grandchild = make(WS_CHILD, child);
    HWND owned = make(WS_POPUP, top);  // a top-level window that `top` owns
    HWND ownedChild = make(WS_CHILD, owned);
    ASSERT_TRUE(top && child && grandchild && owned && ownedChild);
    const struct {
        HWND w, root;
    } cases[] = {{top, top}, {child, top}, {grandchild, top}, {owned, owned}, {ownedChild, owned}};
    for (const auto& c : cases) {
        EXPECT_EQ(fw::RootWindow(c.w), c.root);
        EXPECT_EQ(fw::RootWindow(c.w), GetAncestor(c.w, GA_ROOT));
    }
    EXPECT_EQ(fw::RootWindow(nullptr), nullptr);
    DestroyWindow(owned);
    DestroyWindow(top);
}

}  // namespace
