// The rules of the user's moves on the countdown: stop and go, and where the positions go
// when a group is deleted.
#pragma once

namespace mov {

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
