// Stop/go sequences, the tray buttons' commands and the positions after a deletion.
#include <gtest/gtest.h>
#include <initializer_list>
#include "engine/selection_rules.h"
#include "ui/command_rules.h"
#include "ui/resource.h"

namespace {

TEST(RunModes, CommandSequences) {
    enum Cmd { kStopGo, kStop, kGo };
    struct Row {
        int change, remembered;
        std::initializer_list<Cmd> cmds;
        int wantChange, wantRemembered;
    } table[] = {
        {1, 1, {kStopGo}, 3, 1},                // stop remembers the running mode
        {1, 1, {kStopGo, kStopGo}, 1, 1},       // and resumes it
        {2, 2, {kStop, kStop, kGo}, 0, 0},      // two stops forget it: Auto
        {3, 3, {kStopGo}, 0, 0},                // stopped at start-up: resume in Auto
        {1, 2, {kGo}, 2, 2},                    // Go while running takes the remembered mode
        {1, 1, {kStop, kStopGo, kStopGo}, 3, 1},
    };
    for (const Row& row : table) {
        mov::RunModes m{row.change, row.remembered};
        for (Cmd c : row.cmds) m = c == kStopGo ? mov::StopGo(m) : c == kStop ? mov::Stop(m) : mov::Go(m);
        EXPECT_EQ(m.change, row.wantChange) << "from " << row.change;
        EXPECT_EQ(m.remembered, row.wantRemembered) << "from " << row.change;
    }
}

TEST(TrayButtonCommand, EachWrightButtonPair) {
    struct { int button; unsigned left, right; } table[] = {
        {0, ID_NO_PAPER, ID_NO_PAPER}, {1, ID_PREV, ID_NEXT},   {2, ID_NEXT, ID_PREV},
        {3, ID_GO, ID_STOP},           {4, ID_CENTER_TILE, ID_CENTER_TILE},
        {5, mov::kTrayMenu, ID_HIDE_FORM}, {6, 0, 0}, {-1, 0, 0},
    };
    for (auto& row : table) {
        EXPECT_EQ(mov::TrayButtonCommand(row.button, true), row.left) << row.button;
        EXPECT_EQ(mov::TrayButtonCommand(row.button, false), row.right) << row.button;
    }
}

TEST(PositionsAfterDelete, BelowCurrentAboveCurrent) {
    struct { int deleted; int dir, bmp; int wantDir, wantBmp; } table[] = {
        {0, 2, 5, 1, 5},  // below: the current group moves down with its file
        {2, 2, 5, 0, 0},  // the current one: back to the start
        {3, 2, 5, 2, 5},  // above: nothing moves
    };
    for (auto& row : table) {
        mov::GroupPositions p = mov::PositionsAfterDelete(row.deleted, {row.dir, row.bmp});
        EXPECT_EQ(p.dirPos, row.wantDir) << row.deleted;
        EXPECT_EQ(p.bmpPos, row.wantBmp) << row.deleted;
    }
}

}  // namespace
