// The main program's one switch: "-S" or "-s" starts it with the main window hidden.
#pragma once
#include <string>

namespace mov {

// The command line is scanned twice for a token, as the C runtime's strtok does: first with
// the delimiters "-S", then, on the text as the first scan cut it, with "-s". When either
// scan finds no token the window is hidden. So a line of nothing but '-' and 'S' (or '-' and
// 's') hides it; "-S -s" or "/S" do not. An empty line leaves the window as it is.
bool StartsHidden(const std::string& commandLine);

}  // namespace mov
