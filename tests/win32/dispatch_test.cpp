// The framework's side of dispatch: dialogs bound for exactly their life, the frame's window
// gone before its object, and the values a page puts back on Cancel after Apply.
#include <gtest/gtest.h>
#include <windows.h>
#include <memory>
#include <vector>
#include "framework/app.h"
#include "framework/dialog.h"
#include "framework/document.h"
#include "framework/frame.h"
#include "framework/property_sheet.h"
#include "framework/view.h"

namespace {

class EndingDialog : public fw::Dialog {
public:
    std::vector<UINT> seen;
    bool boundAtInit = false;

protected:
    INT_PTR DialogProc(UINT msg, WPARAM, LPARAM) override {
        switch (msg) {
        case WM_INITDIALOG:
            seen.push_back(msg);
            boundAtInit = hwnd_ && GetWindowLongPtrA(hwnd_, DWLP_USER) == reinterpret_cast<LONG_PTR>(this);
            PostMessageA(hwnd_, WM_COMMAND, IDOK, 0);
            return TRUE;
        case WM_COMMAND:
            seen.push_back(msg);
            EndDialog(hwnd_, 42);
            return TRUE;
        case WM_NCDESTROY:
            seen.push_back(msg);
            return FALSE;
        default:
            return FALSE;
        }
    }
};

TEST(DialogDispatch, BindsAtInitAndLetsGoAtTheLastMessage) {
    EndingDialog d;
    EXPECT_EQ(d.DoModal(GetModuleHandleA(nullptr), 100, nullptr), 42);
    EXPECT_TRUE(d.boundAtInit);
    EXPECT_EQ(d.seen, (std::vector<UINT>{WM_INITDIALOG, WM_COMMAND, WM_NCDESTROY}));
    EXPECT_EQ(d.hwnd(), nullptr);
}

// Records whether its own handler saw the window go and whether the window was gone
// before the object.
struct Teardown {
    bool destroyedWhole = false;
    bool windowFirst = false;
};

class WatchedFrame : public fw::CFrameWnd {
public:
    explicit WatchedFrame(Teardown* t) : t_(t) {}
    ~WatchedFrame() override { t_->windowFirst = hwnd() == nullptr; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_DESTROY) t_->destroyedWhole = true;
        return fw::CFrameWnd::WindowProc(msg, wp, lp);
    }

private:
    Teardown* t_;
};

TEST(FrameTeardown, TheTemplateDestroysTheWindowBeforeTheObject) {
    Teardown t;
    bool fail = false;
    fw::CSingleDocTemplate tpl(
        1, [&] {
            struct Doc : fw::CDocument {
                bool* fail;
                bool OnNewDocument() override { return !*fail; }
            };
            auto d = std::make_unique<Doc>();
            d->fail = &fail;
            return std::unique_ptr<fw::CDocument>(std::move(d));
        },
        [&] { return std::make_unique<WatchedFrame>(&t); }, [] { return std::make_unique<fw::CView>(); });
    HINSTANCE inst = GetModuleHandleA(nullptr);
    ASSERT_NE(tpl.OpenNewDocument(inst, "t", WS_OVERLAPPEDWINDOW, SW_HIDE), nullptr);
    tpl.CloseAll();
    EXPECT_TRUE(t.destroyedWhole);
    EXPECT_TRUE(t.windowFirst);

    // The same when the new-document step fails.
    t = Teardown{};
    fail = true;
    EXPECT_EQ(tpl.OpenNewDocument(inst, "t", WS_OVERLAPPEDWINDOW, SW_HIDE), nullptr);
    EXPECT_TRUE(t.destroyedWhole);
    EXPECT_TRUE(t.windowFirst);
    MSG quit;
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

TEST(FrameTeardown, AWindowLeftBehindNoLongerReachesItsObject) {
    auto view = std::make_unique<fw::CView>();
    HWND parent = CreateWindowA("STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(view->Create(parent, GetModuleHandleA(nullptr), 1));
    HWND w = view->hwnd();
    view.reset();
    EXPECT_EQ(GetWindowLongPtrA(w, GWLP_USERDATA), 0);
    SendMessageA(w, WM_PAINT, 0, 0);  // reaches no freed object
    DestroyWindow(parent);
}

class KeptPage : public fw::CPropertyPage {
public:
    KeptPage() : fw::CPropertyPage(0) { KeepOnApply({&kept}); }
    int kept = 0, other = 0;
    using fw::CPropertyPage::MarkModified;
    using fw::CPropertyPage::OnApply;
    using fw::CPropertyPage::OnReset;
};

TEST(PageValues, CancelPutsBackWhatTheLastApplyTook) {
    KeptPage p;
    p.kept = 1;
    p.OnReset();  // Cancel before any Apply leaves the values alone
    EXPECT_EQ(p.kept, 1);
    EXPECT_TRUE(p.OnApply());  // Apply without a change takes nothing
    EXPECT_EQ(p.applied, 0);

    p.MarkModified();
    EXPECT_EQ(p.modified, 1);
    p.kept = 2;
    EXPECT_TRUE(p.OnApply());
    EXPECT_EQ(p.applied, 1);
    EXPECT_EQ(p.modified, 0);
    p.kept = 3;
    p.other = 3;
    p.OnReset();
    EXPECT_EQ(p.kept, 2);
    EXPECT_EQ(p.other, 3);  // not among the kept values
}

}  // namespace
