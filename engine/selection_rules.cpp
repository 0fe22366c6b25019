// Selection rules of the change cycle and the user's moves.
#include "engine/selection_rules.h"

namespace mov {
namespace {

// The step back as the 32-bit program always took it: a stored position of -2^31 (the
// registry holds any number) wraps to 2^31 - 1 instead of overflowing.
int32_t OneBefore(int32_t v) { return static_cast<int32_t>(static_cast<uint32_t>(v) - 1u); }

}  // namespace

int32_t RandomIndex(int32_t n, int r) {
    const int64_t i = static_cast<int64_t>(n) * r / 32767;
    if (i == n) return n - 1;
    return static_cast<int32_t>(i);
}

SelectionPlan PlanSelection(const SelectionInput& in, int r) {
    SelectionPlan p;
    p.delayedStart = in.delayedStart;
    p.dirPos = in.dirPos;
    p.bmpPos = in.bmpPos;
    const bool delayedPending = in.delayedAction == 1 && in.delayedStart == 1;
    if (in.change == kChangeRand && in.forced == 0) {
        if (delayedPending) p.delayedStart = 2;
        p.random = true;
        p.rescan = true;
        p.dirPos = RandomIndex(in.groups, r);
        return p;
    }
    if (delayedPending) {  // show what the delayed start selected
        p.delayedStart = 2;
        return p;
    }
    if (in.bmpPos < in.files - 1) {
        p.bmpPos = in.bmpPos + 1;
        return p;
    }
    p.bmpPos = 0;
    p.rescan = true;
    if (in.dirPos < in.groups - 1) {
        p.dirPos = in.dirPos + 1;
    } else {
        p.dirPos = 0;
        p.wrapped = true;
    }
    return p;
}

AfterRescan AfterSelectionRescan(const SelectionPlan& plan, int32_t files) {
    AfterRescan a;
    if (plan.random || !plan.rescan || files > 0) return a;
    a.stop = true;
    a.restart = plan.wrapped;
    return a;
}

PreviousPlan PlanPrevious(int32_t groups, int fileSelection, int groupSelection, int32_t dirPos, int32_t bmpPos) {
    PreviousPlan p;
    p.dirPos = dirPos;
    p.bmpPos = bmpPos;
    if (groups <= 0) {
        p.stop = true;
        return p;
    }
    if (fileSelection > 0) {
        p.bmpPos = OneBefore(bmpPos);
        return p;
    }
    p.otherGroup = true;
    p.dirPos = groupSelection > 0 ? OneBefore(dirPos) : groups - 1;
    return p;
}

bool IsRunning(int change) { return change >= kChangeAuto && change <= kChangeRand2; }

RunModes StopGo(RunModes m) {
    if (IsRunning(m.change)) return Stop(m);
    return Go(m);
}

RunModes Stop(RunModes m) { return {kChangeNo, m.change}; }

RunModes Go(RunModes m) {
    const int mode = m.remembered == kChangeNo ? kChangeAuto : m.remembered;
    return {mode, mode};
}

GroupPositions PositionsAfterDelete(int deleted, GroupPositions now) {
    if (deleted < now.dirPos) return {now.dirPos - 1, now.bmpPos};
    if (deleted == now.dirPos) return {0, 0};
    return now;
}

}  // namespace mov
