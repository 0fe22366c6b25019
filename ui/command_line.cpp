// The hidden-start switch, scanned the way the program always has.
#include "ui/command_line.h"

namespace mov {

namespace {

// One strtok call on the start of `text`: false when no token is there; otherwise the text
// is cut at the first delimiter after the token, as strtok's terminator cuts it.
bool FindToken(std::string& text, const char* delimiters) {
    size_t start = text.find_first_not_of(delimiters);
    if (start == std::string::npos) return false;
    size_t end = text.find_first_of(delimiters, start);
    if (end != std::string::npos) text.resize(end);
    return true;
}

}  // namespace

bool StartsHidden(const std::string& commandLine) {
    if (commandLine.empty()) return false;
    std::string text = commandLine;
    if (!FindToken(text, "-S")) return true;
    return !FindToken(text, "-s");
}

}  // namespace mov
