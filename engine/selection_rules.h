// Where the position moves for the next, a random or the previous picture, and the user's
// stop/go and group deletion. Pure rules: the Windows layer does the rescans in between and
// shows the result.
#pragma once
#include <cstdint>
#include "settings/settings_codes.h"

namespace mov {

// floor(n * r / 32767) in 64 bits; r = 32767 gives n - 1, and an empty list gives -1.
int32_t RandomIndex(int32_t n, int r);

struct SelectionInput {
    int change = kChangeAuto;
    int forced = 0;
    int delayedAction = 0;
    int delayedStart = 0;
    int32_t dirPos = 0;
    int32_t bmpPos = 0;
    int32_t groups = 0;  // G
    int32_t files = 0;   // F, of the list as it is now
};

// The first half of a selection step, up to the rescan.
struct SelectionPlan {
    int delayedStart = 0;  // the state afterwards
    int32_t dirPos = 0;
    int32_t bmpPos = 0;    // for a random pick, drawn only after the rescan (RandomIndex)
    bool random = false;   // "Rand" draw: rescan dirPos, then draw the file
    bool rescan = false;   // select dirPos and scan it afresh (Scan(0))
    bool wrapped = false;  // moved from the last group to the first
};

// `r` is the draw for the group; it is used only by a random pick.
SelectionPlan PlanSelection(const SelectionInput& in, int r);

// After a sequential step's rescan found `files` entries.
struct AfterRescan {
    bool stop = false;      // empty group: re-arm with 1000 ms and show nothing
    bool restart = false;   // after a wrap-around the counter becomes -1
};
AfterRescan AfterSelectionRescan(const SelectionPlan& plan, int32_t files);

// Previous: within the group while the file selection is above 0, else the previous group
// (the last from the first).
struct PreviousPlan {
    bool stop = false;        // no groups at all
    bool otherGroup = false;  // select dirPos, Scan(0), then bmpPos = F - 1 unless empty
    int32_t dirPos = 0;
    int32_t bmpPos = 0;
};
PreviousPlan PlanPrevious(int32_t groups, int fileSelection, int groupSelection, int32_t dirPos, int32_t bmpPos);

// The countdown's run state: the change mode (3 = stopped) and the mode a resume returns to.
struct RunModes {
    int change = 0;
    int remembered = 0;
};
bool IsRunning(int change);
RunModes StopGo(RunModes m);  // resumes a stopped countdown, else stops it
RunModes Stop(RunModes m);    // the remembered mode takes the current one, even a 3
RunModes Go(RunModes m);      // back to the remembered mode (Auto after two stops)

// Positions after deleting group `deleted`.
struct GroupPositions {
    int dirPos = 0;
    int bmpPos = 0;
};
GroupPositions PositionsAfterDelete(int deleted, GroupPositions now);

}  // namespace mov
