// The real view driven tick by tick with a simulated clock: a day in each change mode,
// empty groups, wrap-around both ways, the guards, Next while held, Stop then Next.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "collection/list_boxes.h"
#include "ui/movani32_doc.h"
#include "collection/runtime_rand.h"
#include "collection_fixture.h"
#include "engine/selection_rules.h"
#include "test_support.h"
#include "ui/main_frame.h"
#include "ui/movani32_view.h"
#include "ui/resource.h"

namespace {

using testsupport::ScratchDir;

// Time passes only as the test says: each tick moves it on by the armed period, and the
// program's own sleeps (scan waits) add theirs.
class DayClock : public mov::Clock {
public:
    void Sleep(unsigned ms) override { sleptMs += ms; }
    uint64_t NowMs() override { return tickMs + sleptMs; }
    int64_t Seconds() override { return 1'000'000 + static_cast<int64_t>(NowMs() / 1000); }
    uint64_t tickMs = 0;
    uint64_t sleptMs = 0;
};

// One message a test follows: how often it got past the busy-period gate, where it is
// swallowed so that a close or a dialog does not really run.
struct Watch {
    UINT msg = 0;
    WPARAM wp = 0;
    LPARAM lp = 0;
    int arrived = 0;
    bool Takes(UINT m, WPARAM w, LPARAM l) {
        if (msg == 0 || m != msg || w != wp || l != lp) return false;
        ++arrived;
        return true;
    }
};
Watch g_watch;

class WatchedFrame : public CMainFrame {
protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        return g_watch.Takes(msg, wp, lp) ? 0 : CMainFrame::WindowProc(msg, wp, lp);
    }
};

// The program's view, noting what it is told to show.
class WatchedView : public CMovani32View {
public:
    struct Shown {
        uint64_t atMs;
        std::string title;
    };
    std::vector<Shown> titles;
    std::vector<unsigned> icons;
    DayClock* clock = nullptr;
    UINT commandDuringCycle = 0;  // sent as if by another program while the cycle waits on the shell
    std::function<void()> duringCycle;  // runs once inside the next change, as a message box would

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        return g_watch.Takes(msg, wp, lp) ? 0 : CMovani32View::WindowProc(msg, wp, lp);
    }
    void ShowTrayIcon(unsigned id) override {
        icons.push_back(id);
        CMovani32View::ShowTrayIcon(id);
    }
    void ShowTitle(const std::string& t) override {
        titles.push_back({clock->tickMs, t});
        CMovani32View::ShowTitle(t);
        if (UINT id = commandDuringCycle) {
            commandDuringCycle = 0;
            SendMessageA(GetParent(hwnd()), WM_COMMAND, id, 0);  // as the remote control sends it
        }
        if (duringCycle) {
            auto inside = std::move(duringCycle);
            duringCycle = nullptr;
            inside();
        }
    }
};

constexpr uint64_t kHour = 3'600'000;
constexpr uint64_t kDay = 24 * kHour;

class WallpaperTimerTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* n : {"a1.bmp", "a2.bmp", "a3.bmp"}) testsupport::WriteBmp(a.file(n), 8, 8);
        for (const char* n : {"c1.BMP", "c2.BMP"}) testsupport::WriteBmp(c.file(n), 8, 8, 0xc03060);
        collectiontest::ClearGroupKey();
        collectiontest::SetGroupString("00", a.path());
        collectiontest::SetGroupString("01", empty.path());
        collectiontest::SetGroupString("02", c.path());
        collectiontest::SetGroupDword("Count", 2);
        collectiontest::SetGroupDword("DirPos", 0);
        collectiontest::SetGroupDword("BmpPos", 0);
        collectiontest::SetGroupDword("RandSeed", 5);
        doc.settings.TempFolder = temp.path();
        doc.settings.UserName = "tester";
        doc.settings.Interval = 60;
        doc.settings.BMPSort = 1;  // the list in name order, so positions name known files
        GetCurrentDirectoryA(sizeof startDir_, startDir_);
    }
    void TearDown() override {
        g_watch = Watch{};
        SetCurrentDirectoryA(startDir_);
        collectiontest::ClearGroupKey();
        DestroyWindow(frame.hwnd());
    }

    // Builds the window and starts the view as the program does.
    void Start(int change) {
        doc.settings.Change = change;
        ASSERT_TRUE(frame.LoadFrame(IDR_MAINFRAME, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, "Movani32",
                                    GetModuleHandleA(nullptr)));
        auto v = std::make_unique<WatchedView>();
        view = v.get();
        view->clock = &clock;
        frame.SetViewAndDocument(std::move(v), &doc);
        view->OnInitialUpdate();
        frame.SetReady();
        KillTimer(view->hwnd(), view->engine()->timerId());  // the test gives the ticks
    }
    void Tick() {
        clock.tickMs += view->engine()->timerPeriod();
        SendMessageA(view->hwnd(), WM_TIMER, view->engine()->timerId(), 0);
    }
    // Ticks until `untilMs` of timer time; returns how many change points passed.
    int RunUntil(uint64_t untilMs) {
        int points = 0;
        while (clock.tickMs + view->engine()->timerPeriod() <= untilMs) {
            const bool atChange = view->engine()->countdown() == 1;
            Tick();
            if (atChange && view->engine()->countdown() == view->engine()->reload()) ++points;
        }
        return points;
    }
    void Command(UINT id) { view->OnCmdMsg(id, true); }
    // The foreground window belongs to the whole desktop: a program of another test that
    // has just quit can leave none for a while, and with the saver switched on the guard
    // takes no foreground window for a running saver. The frame is brought in front and
    // the test waits until the desktop says so.
    bool FrameInFront() {
        HWND top = frame.hwnd();
        ShowWindow(top, SW_SHOWNORMAL);
        for (int i = 0; i < 500; ++i) {
            SetForegroundWindow(top);
            if (GetForegroundWindow() == top) return true;
            MSG m;
            while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
            Sleep(20);
        }
        return false;
    }
    std::string Countdown() const {
        char text[64] = {};
        GetDlgItemTextA(view->hwnd(), IDC_COUNTDOWN, text, sizeof text);
        return text;
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> out;
        for (auto& s : view->titles) out.push_back(s.title);
        return out;
    }
    std::string A(int i) const { return a.file("a" + std::to_string(i) + ".bmp"); }
    std::string C(int i) const { return c.file("c" + std::to_string(i) + ".BMP"); }

    ScratchDir temp{"timer-temp"}, a{"timer-a"}, empty{"timer-empty"}, c{"timer-c"};
    DayClock clock;
    testsupport::ClockScope scope{clock};
    CMovani32Doc doc;
    WatchedFrame frame;
    WatchedView* view = nullptr;

private:
    char startDir_[MAX_PATH] = {};
};

TEST_F(WallpaperTimerTest, AutoWalksTheListOnceAnHourSkippingTheEmptyGroup) {
    Start(mov::kChangeAuto);
    RunUntil(kDay + 10'000);
    const std::vector<std::string> cycle = {A(1), A(2), A(3), C(1), C(2)};
    ASSERT_EQ(view->titles.size(), 25u);  // the start-up show and 24 changes
    for (size_t i = 0; i < view->titles.size(); ++i) {
        EXPECT_EQ(view->titles[i].title, cycle[i % cycle.size()]) << i;
        if (i == 0) {
            EXPECT_EQ(view->titles[i].atMs, 1000u);  // the first tick shows the stored position
            continue;
        }
        // Reaching the empty group costs one extra second-long tick.
        const uint64_t gap = view->titles[i].atMs - view->titles[i - 1].atMs;
        EXPECT_EQ(gap, cycle[i % cycle.size()] == C(1) ? kHour + 1000 : kHour) << i;
    }
    uint32_t dir = 9, bmp = 9;
    ASSERT_TRUE(collectiontest::GroupDword("DirPos", dir) && collectiontest::GroupDword("BmpPos", bmp));
    EXPECT_EQ(dir, 2u);  // the 25th picture is c2, saved with its change
    EXPECT_EQ(bmp, 1u);
    EXPECT_EQ(doc.GetTitle(), C(2));
}

TEST_F(WallpaperTimerTest, RandDrawsGroupAndFileFromTheSharedGenerator) {
    Start(mov::kChangeRand);
    mov::Lcg rng = mov::TheRand();  // as seeded at the start
    const int points = RunUntil(kDay + 1000);
    EXPECT_EQ(points, 24);  // a draw of the empty group shows nothing yet counts
    const std::vector<std::vector<std::string>> files = {{A(1), A(2), A(3)}, {}, {C(1), C(2)}};
    std::vector<WatchedView::Shown> expected = {{1000, A(1)}};
    for (int k = 1; k <= 24; ++k) {
        const int32_t dir = mov::RandomIndex(3, rng.Next());
        const int32_t file = mov::RandomIndex(static_cast<int32_t>(files[dir].size()), rng.Next());
        if (file >= 0) expected.push_back({1000 + k * kHour, files[dir][file]});
    }
    ASSERT_EQ(view->titles.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(view->titles[i].title, expected[i].title) << i;
        EXPECT_EQ(view->titles[i].atMs, expected[i].atMs) << i;
    }
    EXPECT_LT(expected.size(), 25u) << "no draw landed on the empty group: pick another seed";
}

TEST_F(WallpaperTimerTest, Rand2ShowsEachGroupInAFreshShuffle) {
    Start(mov::kChangeRand2);
    RunUntil(kDay + 10'000);
    std::vector<std::string> got = Titles();
    ASSERT_EQ(got.size(), 25u);
    // Passes: 3 of group a, 2 of group c, over and over; each a whole shuffle of its folder.
    std::vector<std::vector<std::string>> passesOfA;
    size_t i = 0;
    for (int pass = 0; i < got.size(); ++pass) {
        const bool isA = pass % 2 == 0;
        std::vector<std::string> want = isA ? std::vector<std::string>{A(1), A(2), A(3)}
                                            : std::vector<std::string>{C(1), C(2)};
        std::vector<std::string> block(got.begin() + i, got.begin() + std::min(got.size(), i + want.size()));
        i += block.size();
        if (block.size() < want.size()) break;
        if (isA) passesOfA.push_back(block);
        std::sort(block.begin(), block.end());
        EXPECT_EQ(block, want) << "pass " << pass;
    }
    ASSERT_GE(passesOfA.size(), 4u);
    EXPECT_TRUE(std::any_of(passesOfA.begin(), passesOfA.end(), [&](auto& p) { return p != passesOfA[0]; }))
        << "every pass in the same order: not shuffled anew";
}

TEST_F(WallpaperTimerTest, NoModeChangesOnlyWhenAsked) {
    Start(mov::kChangeNo);
    RunUntil(12 * kHour);
    EXPECT_TRUE(view->titles.empty());
    EXPECT_EQ(view->engine()->countdown(), -1);
    Command(ID_NEXT);
    Tick();
    EXPECT_EQ(Titles(), std::vector<std::string>{A(2)});
    const std::string text = Countdown();
    EXPECT_EQ(text, "3600 sec.");
    RunUntil(24 * kHour);
    EXPECT_EQ(Titles(), std::vector<std::string>{A(2)});
    EXPECT_EQ(Countdown(), text);  // stands still
}

TEST_F(WallpaperTimerTest, NextAndPreviousWrapAroundBothWays) {
    Start(mov::kChangeAuto);
    Tick();  // shows a1
    Command(ID_PREV);  // first file of the first group: the last file of the last group
    EXPECT_EQ(view->engine()->countdown(), -1);
    EXPECT_EQ(view->engine()->timerPeriod(), 100u);
    Tick();
    Command(ID_PREV);
    EXPECT_EQ(view->engine()->countdown(), -2);
    Tick();
    Command(ID_NEXT);
    Tick();
    Command(ID_NEXT);
    Tick();
    Command(ID_NEXT);  // last of the last group: the first of the first
    Tick();
    EXPECT_EQ(Titles(), (std::vector<std::string>{A(1), C(2), C(1), C(2), A(1), A(2)}));
    EXPECT_EQ(view->engine()->countdown(), view->engine()->reload());
    EXPECT_EQ(view->engine()->timerPeriod(), 10000u);
    EXPECT_EQ(Countdown(), "3600 sec.");
    // Every change shows the "changing" image first and the state's image after.
    const std::vector<unsigned> one = {IDI_TRAY_CHANGING, IDI_TRAY_NEXT};
    EXPECT_TRUE(std::search(view->icons.begin(), view->icons.end(), one.begin(), one.end()) != view->icons.end());
}

TEST_F(WallpaperTimerTest, LastSecondsBlinkAndCountDown) {
    doc.settings.Interval = 0;
    Start(mov::kChangeAuto);
    Tick();
    EXPECT_EQ(Countdown(), "   9 sec.");
    view->icons.clear();
    std::vector<std::string> texts;
    for (int i = 0; i < 8; ++i) {
        Tick();
        texts.push_back(Countdown());
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"   8 sec.", "   7 sec.", "   6 sec.", "   5 sec.", "   4 sec.",
                                               "   3 sec.", "   2 sec.", "   1 sec."}));
    EXPECT_EQ(clock.tickMs, 1000u + 10'000 + 7 * 1000);  // one 10-second tick, then seconds
    EXPECT_EQ(view->icons, (std::vector<unsigned>{140, IDI_TRAY_NEXT, 140, IDI_TRAY_NEXT, 140, IDI_TRAY_NEXT}));
    Tick();
    EXPECT_EQ(Titles(), (std::vector<std::string>{A(1), A(2)}));
    EXPECT_EQ(clock.tickMs, 1000u + 18'000);  // Interval 0: a change every 18 seconds
}

LRESULT CALLBACK PlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

HWND MakeTopWindow(const char* cls) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = cls;
    RegisterClassA(&wc);
    return CreateWindowExA(0, cls, "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

TEST_F(WallpaperTimerTest, ScreenSaverHoldsTheCountdownButNotNext) {
    doc.settings.Inactive = 1;
    Start(mov::kChangeAuto);
    ASSERT_TRUE(FrameInFront());
    Tick();
    HWND saver = MakeTopWindow("WindowsScreenSaverClass");
    ASSERT_TRUE(saver);
    const int before = view->engine()->countdown();
    RunUntil(clock.tickMs + 2 * kHour);
    EXPECT_EQ(view->engine()->countdown(), before);
    Command(ID_NEXT);
    Tick();
    EXPECT_EQ(Titles(), (std::vector<std::string>{A(1), A(2)}));
    RunUntil(clock.tickMs + 2 * kHour);
    EXPECT_EQ(view->engine()->countdown(), view->engine()->reload());
    DestroyWindow(saver);
    Tick();
    EXPECT_EQ(view->engine()->countdown(), view->engine()->reload() - 1);
}

TEST_F(WallpaperTimerTest, MaximisedWindowInFrontHoldsEvenNext) {
    doc.settings.FrontMaxChange = 1;
    Start(mov::kChangeAuto);
    Tick();
    HWND front = MakeTopWindow("MovTestFront");
    ASSERT_TRUE(front);
    ShowWindow(front, SW_SHOWMAXIMIZED);
    SetForegroundWindow(front);
    ASSERT_EQ(GetForegroundWindow(), front);
    view->icons.clear();
    const int before = view->engine()->countdown();
    Tick();
    Tick();
    Command(ID_NEXT);
    Tick();
    Tick();
    EXPECT_EQ(view->engine()->countdown(), 1);  // Next is waiting
    EXPECT_EQ(Titles(), std::vector<std::string>{A(1)});
    EXPECT_EQ(view->icons, std::vector<unsigned>{IDI_TRAY_MAXIMIZED});  // shown once
    ShowWindow(front, SW_RESTORE);
    Tick();
    EXPECT_EQ(Titles(), (std::vector<std::string>{A(1), A(2)}));
    EXPECT_EQ(view->icons.at(1), static_cast<unsigned>(IDI_TRAY_NEXT));  // the held image goes first
    EXPECT_NE(before, 1);
    DestroyWindow(front);
}

TEST_F(WallpaperTimerTest, StopThenNextChangesOnceAndStandsAgain) {
    Start(mov::kChangeAuto);
    Tick();
    doc.settings.Change = mov::kChangeNo;  // what the stop command does
    const int held = view->engine()->countdown();
    RunUntil(clock.tickMs + 3 * kHour);
    EXPECT_EQ(view->engine()->countdown(), held);
    Command(ID_NEXT);
    Tick();
    EXPECT_EQ(Titles(), (std::vector<std::string>{A(1), A(2)}));
    RunUntil(clock.tickMs + 3 * kHour);
    EXPECT_EQ(Titles(), (std::vector<std::string>{A(1), A(2)}));
    EXPECT_EQ(view->engine()->countdown(), view->engine()->reload());
}

}  // namespace

namespace {

std::string TestData(const char* name) {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string dir(exe);
    return dir.substr(0, dir.find_last_of('\\')) + "\\testdata\\" + name;
}

TEST_F(WallpaperTimerTest, ArchiveMembersAndShortcutsLeaveNothingBehind) {
    // The LHA program really runs: waits end as soon as it clears the busy flag.
    testsupport::CountingClock real{1000, mov::BusyFlagCleared};
    testsupport::ClockScope realScope{real};
    ASSERT_TRUE(collectiontest::MakeShortcut(c.file("link.lnk"), A(2)));
    collectiontest::ClearGroupKey();
    collectiontest::SetGroupString("00", TestData("pics.lzh"));  // a.bmp c.jpg d.Bmp notes.txt
    collectiontest::SetGroupString("01", c.path());
    collectiontest::SetGroupDword("Count", 1);
    collectiontest::SetGroupDword("DirPos", 0);
    collectiontest::SetGroupDword("BmpPos", 0);
    doc.settings.JpegAvailable = 1;
    Start(mov::kChangeAuto);
    const std::string work = temp.file("tester.BMP");
    Tick();
    for (int i = 0; i < 5; ++i) {
        Command(ID_NEXT);
        SetCurrentDirectoryA(temp.path().c_str());  // a shortcut must not depend on it
        Tick();
    }
    EXPECT_EQ(Titles(), (std::vector<std::string>{temp.file("a.bmp"), temp.file("c.jpg"), temp.file("d.Bmp"), C(1),
                                                  C(2), A(2)}));
    for (const char* n : {"a.bmp", "c.jpg", "d.Bmp"}) EXPECT_FALSE(testsupport::FileExists(temp.file(n))) << n;
    EXPECT_TRUE(testsupport::FileExists(work));

    // A list line naming a file outside the work folder is neither unpacked nor moved.
    Command(ID_NEXT);
    Tick();  // back in the archive, at a.bmp
    const std::string victim = temp.path() + "\\..\\timer-victim.bmp";
    testsupport::WriteBmp(victim, 4, 4);
    const char line[] = "..\\timer-victim.bmp";
    mov::LbAdd(view->hwnd(), IDC_FILE_LIST, line);
    doc.positions.BmpPos = static_cast<int32_t>(SendDlgItemMessageA(view->hwnd(), IDC_FILE_LIST, LB_FINDSTRINGEXACT,
                                                                    static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(line)));
    ASSERT_GE(doc.positions.BmpPos, 0);
    view->titles.clear();
    Command(ID_REDISPLAY);
    EXPECT_TRUE(testsupport::FileExists(victim));
    EXPECT_TRUE(view->titles.empty());
    DeleteFileA(victim.c_str());
}

TEST_F(WallpaperTimerTest, FitToggleTwiceBeforeAPictureKeepsTheConfiguredFit) {
    collectiontest::SetGroupDword("DirPos", 1);  // the empty group: nothing is shown
    doc.settings.Adjust = 2;
    Start(mov::kChangeAuto);
    Command(ID_FIT_SCREEN);
    Command(ID_FIT_SCREEN);
    EXPECT_NE(doc.settings.Adjust, 2);
    EXPECT_EQ(doc.settings.TileWallPaper, 0);
    Tick();  // the empty group: on to the next within 100 ms
    Tick();
    EXPECT_EQ(Titles(), std::vector<std::string>{C(1)});
    EXPECT_EQ(doc.settings.Adjust, 2);
}

}  // namespace

namespace {

TEST_F(WallpaperTimerTest, NextSentDuringAChangeIsQueuedNotLost) {
    Start(mov::kChangeAuto);
    Tick();
    view->commandDuringCycle = ID_NEXT;
    Command(ID_NEXT);
    Tick();
    EXPECT_EQ(Titles(), (std::vector<std::string>{A(1), A(2)}));
    EXPECT_EQ(view->engine()->countdown(), view->engine()->reload());  // the change ended as usual
    testsupport::Pump();  // the Next held during the change runs now
    EXPECT_EQ(view->engine()->countdown(), 1);
    Tick();
    EXPECT_EQ(Titles(), (std::vector<std::string>{A(1), A(2), A(3)}));
}

// Closing and renewal free the groups the change is using: they wait for its end.
TEST_F(WallpaperTimerTest, ExitAndRenewalSentDuringAChangeWaitForIt) {
    Start(mov::kChangeAuto);
    Tick();
    for (UINT id : {ID_FILE_NEW, ID_APP_EXIT}) {
        view->commandDuringCycle = id;
        Command(ID_NEXT);
        Tick();
        EXPECT_EQ(doc.groups.size(), 3) << id;
        EXPECT_EQ(fw::BusyPeriod::Waiting(), 1u) << id;
        if (id == ID_FILE_NEW) fw::BusyPeriod::Forget(frame.hwnd());  // the renewal would ask the probe's questions
    }
    testsupport::Pump();  // the exit, due now, ends the program
    EXPECT_FALSE(IsWindow(view->hwnd()));
}

// A message box inside a change (a scan's report) runs a message loop of its own. What is
// sent meanwhile waits until the change is over and then arrives once; sent back at once,
// it would come straight back to that loop, for ever, ahead of the clicks that answer the
// box. A tick inside it does nothing, and neither does the tray's mouse moving over the icon.
TEST_F(WallpaperTimerTest, WhatArrivesInsideAChangesMessageBoxWaitsForItsEnd) {
    Start(mov::kChangeAuto);
    Tick();
    const struct {
        bool toView;  // the tray's callback goes to the view, the remote's commands to the frame
        UINT msg;
        WPARAM wp;
        LPARAM lp;
        int arrivesAfter;
    } rows[] = {{false, WM_COMMAND, ID_NEXT, 0, 1},       {false, WM_CLOSE, 0, 0, 1},
                {false, WM_COMMAND, ID_APP_EXIT, 0, 1},   {false, WM_COMMAND, ID_PROPERTIES, 0, 1},
                {false, WM_COMMAND, ID_RIGHT_CLICK, 0, 1}, {false, WM_COMMAND, ID_ABOUT, 0, 1},
                {true, WM_TRAY_NOTIFY, ID_TRAY_ICON, WM_RBUTTONDOWN, 1},
                {true, WM_TRAY_NOTIFY, ID_TRAY_ICON, WM_MOUSEMOVE, 0}};
    for (const auto& row : rows) {
        HWND target = row.toView ? view->hwnd() : frame.hwnd();
        g_watch = Watch{row.msg, row.wp, row.lp};
        int insideBox = -1, tickCounted = -1;
        view->duringCycle = [&] {
            SendMessageA(target, row.msg, row.wp, row.lp);
            const int before = view->engine()->countdown();
            SendMessageA(view->hwnd(), WM_TIMER, view->engine()->timerId(), 0);
            tickCounted = before - view->engine()->countdown();
            MSG m;
            for (int i = 0; i < 50 && PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE); ++i) DispatchMessageA(&m);
            insideBox = g_watch.arrived;
        };
        Command(ID_NEXT);
        for (int i = 0; i < 20 && insideBox < 0; ++i) Tick();  // the empty group shows nothing
        ASSERT_EQ(insideBox, 0) << row.msg << " " << row.wp << " " << row.lp;
        EXPECT_EQ(tickCounted, 0);
        testsupport::Pump();
        EXPECT_EQ(g_watch.arrived, row.arrivesAfter) << row.msg << " " << row.wp << " " << row.lp;
    }
    EXPECT_EQ(doc.groups.size(), 3);
}

// Every operation that scans is one busy period: a Next sent while a broken archive's
// report is up runs once, after the operation.
TEST_F(WallpaperTimerTest, OperationsThatScanHoldWhatArrivesInsideTheirReport) {
    collectiontest::SetGroupString("03", temp.file("gone.lzh"));
    collectiontest::SetGroupDword("Count", 3);
    doc.settings.TempFolder = temp.file("no-such-folder");  // no listing can be written there
    Start(mov::kChangeAuto);
    Tick();
    auto enterGroup = [this](int group) {
        mov::LbSelect(view->hwnd(), IDC_GROUP_LIST, group);
        SendMessageA(view->hwnd(), WM_COMMAND, MAKEWPARAM(IDC_GROUP_LIST, LBN_DBLCLK), 0);
    };
    const struct {
        const char* name;
        std::function<void()> scan;
    } rows[] = {
        {"previous into the last group", [&] { SendMessageA(frame.hwnd(), WM_COMMAND, ID_PREV, 0); }},
        {"double click", [&] { enterGroup(3); }},
        {"settings changed", [&] {
             mov::LbSelect(view->hwnd(), IDC_GROUP_LIST, 3);
             view->engine()->RescanAndShow();
         }},
        {"next into the last group", [&] {  // the archive was told before: a Next is asked for all the same
             enterGroup(2);
             for (int i = 0; i < 2; ++i) {
                 Command(ID_NEXT);
                 Tick();
             }
         }},
    };
    for (const auto& row : rows) {
        enterGroup(0);  // a good scan in between, from the first picture
        testsupport::Pump();
        g_watch = Watch{WM_COMMAND, ID_NEXT, 0};
        int insideBox = -1;
        const testsupport::SeenBox box = testsupport::AnswerMessageBox(IDOK, row.scan, [&] {
            SendMessageA(frame.hwnd(), WM_COMMAND, ID_NEXT, 0);
            insideBox = g_watch.arrived;
        });
        EXPECT_EQ(box.caption, "Movani32") << row.name;
        EXPECT_EQ(insideBox, 0) << row.name;
        testsupport::Pump();
        EXPECT_EQ(g_watch.arrived, 1) << row.name;
    }
}

// A Stop held during a change and a Go sent just after it run in that order.
TEST_F(WallpaperTimerTest, CommandsHeldDuringAChangeKeepTheirOrder) {
    Start(mov::kChangeAuto);
    Tick();
    view->commandDuringCycle = ID_STOP;
    Command(ID_NEXT);
    Tick();
    SendMessageA(frame.hwnd(), WM_COMMAND, ID_GO, 0);
    testsupport::Pump();
    EXPECT_EQ(doc.settings.Change, mov::kChangeAuto);
}

// The screen changes size: a JPEG cut for the old screen is made again for the new one, at
// the same position and countdown; a removed wallpaper and a bitmap shown as it is are not.
TEST_F(WallpaperTimerTest, ScreenOfAnotherSizeGetsItsWallpaperMadeAgain) {
    ASSERT_TRUE(CopyFileA(TestData("photo1101x900.jpg").c_str(), a.file("a0.jpg").c_str(), FALSE));
    doc.settings.JpegAvailable = 1;
    doc.settings.TileWallPaper = mov::kPlaceCentre;
    Start(mov::kChangeAuto);
    Tick();
    Tick();
    const int countdown = view->engine()->countdown();
    // The desktop size and what the frame is told, as the system tells top-level windows:
    // the work bitmap's shape and how many pictures were shown meanwhile.
    auto resize = [&](int w, int h) {
        DEVMODEA mode{};
        mode.dmSize = sizeof mode;
        mode.dmPelsWidth = w;
        mode.dmPelsHeight = h;
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        const size_t before = view->titles.size();
        EXPECT_EQ(ChangeDisplaySettingsA(&mode, 0), DISP_CHANGE_SUCCESSFUL);
        for (int i = 0; i < 200 && GetSystemMetrics(SM_CXSCREEN) != w; ++i) Sleep(10);
        SendMessageA(frame.hwnd(), WM_DISPLAYCHANGE, 24, MAKELPARAM(w, h));
        testsupport::Pump();
        return testsupport::BmpShape(temp.file("tester.BMP")) + " " + std::to_string(view->titles.size() - before);
    };
    // Every later test expects the desktop of 1024 x 768, whatever fails here.
    std::shared_ptr<void> back(nullptr, [&](void*) { resize(1024, 768); });
    EXPECT_EQ(resize(800, 600), "800x600 1");
    EXPECT_EQ(resize(1024, 768), "1024x768 1");
    EXPECT_EQ(Titles(), std::vector<std::string>(3, a.file("a0.jpg")));
    EXPECT_EQ(view->engine()->countdown(), countdown);
    EXPECT_EQ(doc.positions.BmpPos, 0);
    Command(ID_NO_PAPER);
    EXPECT_EQ(resize(800, 600), "1024x768 0");
    Command(ID_NEXT);
    Tick();
    ASSERT_EQ(view->titles.back().title, A(1));
    EXPECT_EQ(resize(1024, 768), "1024x768 0");
}

}  // namespace
