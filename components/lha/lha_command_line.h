// Command lines as the main program writes them for MeltLha.exe, and the commands of Unlha().
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace lha {

// Blanks and tabs separate words; a double quote opens or closes a quoted stretch, in which
// blanks are kept. There are no escapes: a backslash before a quote is an ordinary byte, so
// "C:\TEMP\" is the word C:\TEMP\ . "" is an empty word.
std::vector<std::string> SplitCommandLine(std::string_view line);

// MeltLha.exe "archive" "listfile"            lists the archive into the list file;
// MeltLha.exe "archive" "folder\" "member"    unpacks one member into the folder.
struct MeltArgs {
    enum Kind { kBad, kList, kUnpack } kind = kBad;
    std::string archive;
    std::string listFile;  // kList
    std::string folder;    // kUnpack
    std::string member;    // kUnpack
};
// The first word is the program's own name and is skipped.
MeltArgs ParseMeltArgs(std::string_view commandLine);

}  // namespace lha
