// The small rules behind the commands: the stop/go state, which command a tray button runs,
// and where the positions go when a group is deleted.
#pragma once
#include <string>

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

// The left or right tray button's command for a WrightButton value; kTrayMenu for the
// menu, 0 for nothing.
constexpr unsigned kTrayMenu = 1;
unsigned TrayButtonCommand(int wrightButton, bool left);

// Positions after deleting group `deleted`.
struct GroupPositions {
    int dirPos = 0;
    int bmpPos = 0;
};
GroupPositions PositionsAfterDelete(int deleted, GroupPositions now);

// The question asked before a group is deleted, in the program's code page.
std::string DeleteGroupQuestion(const std::string& path);
extern const char kDeleteGroupCaption[];

}  // namespace mov
