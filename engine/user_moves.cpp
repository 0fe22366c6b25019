// Stop/go and deletion positions.
#include "engine/user_moves.h"
#include "settings/settings_codes.h"

namespace mov {

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
