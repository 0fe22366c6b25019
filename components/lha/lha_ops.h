// The archive library's operations on files: list into a list file, unpack one member,
// test an archive, and the classic command-string entry point. Shared by UnLha32.dll
// and the native tests.
#pragma once
#include <string>
#include "lha_archive.h"

namespace lha {

struct Options {
    LeadBytes lead = ShiftJisLeadBytes();
    Limits limits;
    char separator = '\\';
    size_t maxPath = 0;  // longest path the platform takes (259 on Windows), 0 for no limit
};

// Writes the offered member names, one per line (CR LF), into listFile, replacing what it
// held: an empty list when the archive cannot be read, so an older list never survives.
// Names that would not fit the list file's folder within maxPath are left out.
Status ListToFile(const std::string& archive, const std::string& listFile, const Options& opt);

// Unpacks the member named exactly as listed into folder\member (making its sub-folders).
Status UnpackMember(const std::string& archive, const std::string& folder, const std::string& member,
                    const Options& opt, bool keepFolders = true);

Status TestFile(const std::string& archive, const Options& opt);

// Unlha()-style commands: "l archive" (list names), "x archive [folder\] [member...]",
// "e ..." (the same without member folders), "t archive" (test every member).
// Switches ("-n", ...) before the archive are accepted and ignored. With no members,
// x and e unpack every offered member. Output: the names listed or unpacked, CR LF each.
Status RunCommand(const std::string& commandLine, const Options& opt, std::string* output);

}  // namespace lha
