// The selection step, Previous, the countdown and the archive member check, as tables.
#include <gtest/gtest.h>
#include "engine/countdown.h"
#include "engine/member_name.h"
#include "engine/selection_rules.h"

namespace {

using mov::kChangeAuto;
using mov::kChangeNo;
using mov::kChangeRand;
using mov::kChangeRand2;

TEST(SelectionRules, OneTableForEveryMode) {
    struct Row {
        const char* what;
        mov::SelectionInput in;
        int r;
        int32_t dir, bmp;
        bool random, rescan, wrapped;
        int delayed;
    };
    const Row rows[] = {
        // change forced delayedAction delayedStart dir bmp G F
        {"auto steps on", {kChangeAuto, 0, 0, 0, 1, 2, 3, 5}, 0, 1, 3, false, false, false, 0},
        {"auto last file: next group", {kChangeAuto, 0, 0, 0, 1, 4, 3, 5}, 0, 2, 0, false, true, false, 0},
        {"auto last group: wraps to the first", {kChangeAuto, 0, 0, 0, 2, 4, 3, 5}, 0, 0, 0, false, true, true, 0},
        {"empty list moves on", {kChangeAuto, 0, 0, 0, 0, 0, 3, 0}, 0, 1, 0, false, true, false, 0},
        {"a group listing nothing (drive away) is passed", {kChangeAuto, 0, 0, 0, 1, 0, 3, 0}, 0, 2, 0, false, true, false, 0},
        {"one group rescans itself", {kChangeAuto, 0, 0, 0, 0, 0, 1, 1}, 0, 0, 0, false, true, true, 0},
        {"no groups at all", {kChangeAuto, 0, 0, 0, 0, 0, 0, 0}, 0, 0, 0, false, true, true, 0},
        {"Rand2 steps like Auto", {kChangeRand2, 0, 0, 0, 0, 0, 2, 3}, 0, 0, 1, false, false, false, 0},
        {"No steps on when asked", {kChangeNo, 1, 0, 0, 0, 0, 2, 3}, 0, 0, 1, false, false, false, 0},
        {"Rand draws group 0", {kChangeRand, 0, 0, 0, 1, 1, 3, 5}, 0, 0, 1, true, true, false, 0},
        {"Rand draws the last group", {kChangeRand, 0, 0, 0, 0, 0, 3, 5}, 32766, 2, 0, true, true, false, 0},
        {"Rand r = 32767 stays inside", {kChangeRand, 0, 0, 0, 0, 0, 3, 5}, 32767, 2, 0, true, true, false, 0},
        {"Rand forced steps in order", {kChangeRand, 1, 0, 0, 0, 1, 3, 5}, 32767, 0, 2, false, false, false, 0},
        {"delayed start shows the selection", {kChangeAuto, 0, 1, 1, 1, 4, 3, 5}, 0, 1, 4, false, false, false, 2},
        {"delayed start over: moves", {kChangeAuto, 0, 1, 2, 1, 2, 3, 5}, 0, 1, 3, false, false, false, 2},
        {"delayed start ends under Rand too", {kChangeRand, 0, 1, 1, 1, 2, 3, 5}, 16384, 1, 2, true, true, false, 2},
        {"delayed flag without the setting", {kChangeAuto, 0, 0, 1, 1, 2, 3, 5}, 0, 1, 3, false, false, false, 1},
    };
    for (const Row& row : rows) {
        const mov::SelectionPlan p = mov::PlanSelection(row.in, row.r);
        EXPECT_EQ(p.dirPos, row.dir) << row.what;
        EXPECT_EQ(p.bmpPos, row.bmp) << row.what;
        EXPECT_EQ(p.random, row.random) << row.what;
        EXPECT_EQ(p.rescan, row.rescan) << row.what;
        EXPECT_EQ(p.wrapped, row.wrapped) << row.what;
        EXPECT_EQ(p.delayedStart, row.delayed) << row.what;
    }
}

TEST(SelectionRules, RescanResultsAndRandomIndex) {
    mov::SelectionPlan forward;
    forward.rescan = true;
    mov::SelectionPlan wrap = forward;
    wrap.wrapped = true;
    mov::SelectionPlan random = forward;
    random.random = true;
    struct { const mov::SelectionPlan* plan; int32_t files; bool stop, restart; } rows[] = {
        {&forward, 0, true, false}, {&wrap, 0, true, true}, {&forward, 2, false, false},
        {&wrap, 1, false, false},   {&random, 0, false, false},
    };
    for (auto& row : rows) {
        const mov::AfterRescan a = mov::AfterSelectionRescan(*row.plan, row.files);
        EXPECT_EQ(a.stop, row.stop);
        EXPECT_EQ(a.restart, row.restart);
    }
    struct { int32_t n; int r; int32_t index; } picks[] = {
        {3, 0, 0}, {3, 32766, 2}, {3, 32767, 2}, {1, 32767, 0}, {0, 5, -1}, {0, 32767, -1},
        // 32-bit arithmetic would overflow here; the pick stays inside the list.
        {100000, 32767, 99999}, {100000, 16384, 50001},
    };
    for (auto& p : picks) EXPECT_EQ(mov::RandomIndex(p.n, p.r), p.index) << p.n << " " << p.r;
}

TEST(SelectionRules, PreviousWithinAndAcrossGroups) {
    struct { int32_t groups; int fileSel, groupSel; int32_t dir, bmp; bool stop, other; int32_t newDir, newBmp; } rows[] = {
        {0, 0, -1, 0, 0, true, false, 0, 0},
        {3, 2, 1, 1, 2, false, false, 1, 1},
        {3, 0, 1, 1, 0, false, true, 0, 0},
        {3, 0, 0, 0, 0, false, true, 2, 0},    // from the first group to the last
        {3, -1, -1, 0, 0, false, true, 2, 0},  // nothing selected counts as the first
        {1, 0, 0, 0, 0, false, true, 0, 0},
        // Positions stored as the lowest number wrap as the 32-bit program's did.
        {3, 2, 1, 1, INT32_MIN, false, false, 1, INT32_MAX},
        {3, 0, 1, INT32_MIN, 0, false, true, INT32_MAX, 0},
    };
    for (auto& r : rows) {
        const mov::PreviousPlan p = mov::PlanPrevious(r.groups, r.fileSel, r.groupSel, r.dir, r.bmp);
        EXPECT_EQ(p.stop, r.stop);
        EXPECT_EQ(p.otherGroup, r.other);
        EXPECT_EQ(p.dirPos, r.newDir);
        EXPECT_EQ(p.bmpPos, r.newBmp);
    }
}

TEST(Countdown, OneTableOfTicks) {
    using K = mov::TickPlan;
    struct { int n; unsigned period; K::Kind kind; int next; unsigned newPeriod; bool blink, changing; const char* text; } rows[] = {
        {129, 10000, K::kCount, 128, 0, false, false, "1190 sec."},
        {12, 10000, K::kCount, 11, 0, false, false, "  20 sec."},
        {11, 10000, K::kCount, 10, 1000, false, false, "  10 sec."},
        {10, 1000, K::kCount, 9, 0, false, false, "   9 sec."},
        {8, 1000, K::kCount, 7, 0, false, false, "   7 sec."},
        {7, 1000, K::kCount, 6, 0, true, true, "   6 sec."},
        {6, 1000, K::kCount, 5, 0, true, false, "   5 sec."},
        {3, 1000, K::kCount, 2, 0, true, true, "   2 sec."},
        {2, 100, K::kCount, 1, 1000, true, false, "   1 sec."},
        {1, 100, K::kChange, 0, 0, false, false, nullptr},
        {-1, 1000, K::kRescanShow, 0, 0, false, false, nullptr},
        {-2, 100, K::kShow, 0, 0, false, false, nullptr},
        {0, 10000, K::kCount, -1, 0, false, false, "  -1 sec."},
        {-3, 10000, K::kCount, -4, 0, false, false, "  -4 sec."},
    };
    for (auto& r : rows) {
        const mov::TickPlan t = mov::PlanTick(r.n, r.period);
        EXPECT_EQ(t.kind, r.kind) << r.n;
        EXPECT_EQ(t.period, r.newPeriod) << r.n;
        EXPECT_EQ(t.blink, r.blink) << r.n;
        EXPECT_EQ(t.changingIcon, r.changing) << r.n;
        if (r.text) {
            EXPECT_EQ(t.countdown, r.next) << r.n;
            EXPECT_EQ(mov::CountdownText(t.countdown), r.text) << r.n;
        }
    }
    // Interval 2 and 0 right after a change; a huge Interval does not wrap round.
    EXPECT_EQ(mov::CountdownText(mov::ReloadValue(2)), " 120 sec.");
    EXPECT_EQ(mov::CountdownText(mov::ReloadValue(0)), "   9 sec.");
    EXPECT_EQ(mov::ReloadValue(0x7fffffff), 0x7fffffff);
    EXPECT_EQ(mov::CountdownText(0x7fffffff), "21474836380 sec.");
    // An empty group shown: on to the next within 100 ms, the last one waits.
    EXPECT_TRUE(mov::PlanEmptyShow(0, 3).changeNow);
    EXPECT_EQ(mov::PlanEmptyShow(0, 3).period, 100u);
    EXPECT_FALSE(mov::PlanEmptyShow(2, 3).changeNow);
    EXPECT_EQ(mov::PlanEmptyShow(2, 3).period, 10000u);
}

TEST(MemberName, OnlyPlainNamesInsideTheWorkFolder) {
    struct { const char* name; bool safe; } rows[] = {
        {"a.bmp", true}, {"sub\\b.BMP", true}, {"sub/b.jpg", true}, {"\x83\x5c.bmp", true},  // ソ.bmp
        {"", false}, {"\\a.bmp", false}, {"/a.bmp", false}, {"C:\\a.bmp", false}, {"c:a.bmp", false},
        {"..\\a.bmp", false}, {"sub\\..\\..\\a.bmp", false}, {".\\a.bmp", false}, {"sub\\\\a.bmp", false},
        {"CON", false}, {"nul.bmp", false}, {"com1.BMP", false}, {"LPT9.jpg", false}, {"sub\\aux.bmp", false},
        {"com0.bmp", true}, {"console.bmp", true},
        {"a\"b.bmp", false}, {"a?.bmp", false}, {"a\tb.bmp", false}, {"a.bmp.", false}, {"a.bmp ", false},
        {"\x83", false},  // a lead byte with nothing after it
    };
    for (auto& r : rows) EXPECT_EQ(mov::IsSafeMemberName(r.name), r.safe) << r.name;
    EXPECT_FALSE(mov::IsSafeMemberName(std::string(300, 'a')));
}

}  // namespace
