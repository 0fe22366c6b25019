// Tray image for each state and the add/modify/delete plan of one tray update.
#include <gtest/gtest.h>
#include "ui/resource.h"
#include "ui/tray_state.h"

namespace {

TEST(TrayIconForState, ChangeNoShowsStoppedWhateverTheButtons) {
    for (int b = -1; b <= 6; ++b) EXPECT_EQ(mov::TrayIconForState(3, b), IDI_TRAY_STOPPED) << b;
}

TEST(TrayIconForState, RunningShowsTheButtonPair) {
    struct { int button, icon; } table[] = {
        {0, IDI_TRAY_REMOVE}, {1, IDI_TRAY_NEXT}, {2, IDI_TRAY_PREV}, {3, IDI_TRAY_INACT}, {4, IDI_TRAY_TILE},
        {5, IDR_MAINFRAME},   {6, IDR_MAINFRAME}, {-1, IDR_MAINFRAME}, {1000, IDR_MAINFRAME},
    };
    for (int change : {0, 1, 2, 4, -1}) {
        for (auto& row : table) {
            EXPECT_EQ(mov::TrayIconForState(change, row.button), row.icon)
                << "Change " << change << " WrightButton " << row.button;
        }
    }
}

TEST(PlanTrayUpdate, IconOnChangesOverrideTheRequest) {
    using mov::TrayOp;
    const TrayOp kAsIs = static_cast<TrayOp>(-1);
    struct { int shown, iconOn; bool call; TrayOp op; } table[] = {
        {0, 0, false, kAsIs},            // off and staying off: the shell is left alone
        {0, 2, false, kAsIs},
        {1, 1, true, kAsIs},             // shown and staying on: as asked
        {1, 0, true, mov::kTrayDelete},  // IconOn turned off (any value but 1 is off): a delete
        {1, 7, true, mov::kTrayDelete},
        {0, 1, true, mov::kTrayAdd},     // IconOn turned on: an add, even for a delete
        {5, 1, true, mov::kTrayAdd},
    };
    for (auto& row : table) {
        for (TrayOp asked : {mov::kTrayAdd, mov::kTrayModify, mov::kTrayDelete}) {
            mov::TrayStep s = mov::PlanTrayUpdate(row.shown, row.iconOn, asked);
            EXPECT_EQ(s.callShell, row.call) << row.shown << "," << row.iconOn << "," << asked;
            if (row.call) {
                EXPECT_EQ(s.op, row.op == kAsIs ? asked : row.op) << row.shown << "," << row.iconOn << "," << asked;
            }
        }
    }
}

}  // namespace
