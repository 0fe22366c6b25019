// The small rules behind the commands: which command a tray button runs, and the question
// before a group is deleted.
#pragma once
#include <string>

namespace mov {

// The left or right tray button's command for a WrightButton value; kTrayMenu for the
// menu, 0 for nothing.
constexpr unsigned kTrayMenu = 1;
unsigned TrayButtonCommand(int wrightButton, bool left);

// The question asked before a group is deleted, in the program's code page.
std::string DeleteGroupQuestion(const std::string& path);
extern const char kDeleteGroupCaption[];

}  // namespace mov
