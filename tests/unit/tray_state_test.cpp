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
    using mov::kTrayAdd;
    using mov::kTrayDelete;
    using mov::kTrayModify;
    struct { int shown, iconOn; mov::TrayOp asked; bool call; mov::TrayOp op; } table[] = {
        // Off and staying off: the shell is left alone.
        {0, 0, kTrayAdd, false, kTrayAdd},
        {0, 0, kTrayDelete, false, kTrayDelete},
        {0, 2, kTrayModify, false, kTrayModify},
        // Shown and staying on: as asked.
        {1, 1, kTrayAdd, true, kTrayAdd},
        {1, 1, kTrayModify, true, kTrayModify},
        {1, 1, kTrayDelete, true, kTrayDelete},
        // IconOn turned off: whatever was asked becomes a delete (any value but 1 is off).
        {1, 0, kTrayModify, true, kTrayDelete},
        {1, 0, kTrayAdd, true, kTrayDelete},
        {1, 7, kTrayModify, true, kTrayDelete},
        // IconOn turned on: an add, even for a delete.
        {0, 1, kTrayModify, true, kTrayAdd},
        {0, 1, kTrayDelete, true, kTrayAdd},
        {5, 1, kTrayModify, true, kTrayAdd},
    };
    for (auto& row : table) {
        mov::TrayStep s = mov::PlanTrayUpdate(row.shown, row.iconOn, row.asked);
        EXPECT_EQ(s.callShell, row.call) << row.shown << "," << row.iconOn << "," << row.asked;
        if (row.call) EXPECT_EQ(s.op, row.op) << row.shown << "," << row.iconOn << "," << row.asked;
    }
}

}  // namespace
