// What a path dropped on the main window becomes: a group, or a refusal with its text.
#pragma once
#include <string>
#include <string_view>

namespace mov {

enum class DropVerdict {
    NotAFolder,    // a bitmap file: told it is no folder
    Archive,       // an LHA archive, registered when the LHA tools are there
    Folder,        // a folder
    Refused,       // anything else: told it cannot be registered
};

// Group paths are read back at start-up into a 255-byte buffer: a longer path would be
// registered now and silently lost at the next start, so it is refused instead.
constexpr size_t kMaxGroupPath = 254;

// Only ".BMP" and ".bmp" count as bitmaps here (a ".Bmp" file is simply refused).
DropVerdict ClassifyDrop(std::string_view path, bool lhaAvailable, bool isFolder);

// The message for a refused path, in the program's code page; empty for accepted ones.
std::string DropRefusalText(std::string_view path, DropVerdict verdict);

}  // namespace mov
