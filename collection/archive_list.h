// What the scan takes from the LHA program's list file: one archive member per line.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace mov {

// Lines as a text-mode read gives them: "\n" and "\r\n" ends removed; a last line without
// an end still counts. A line ends at its first zero byte, as a C string does.
std::vector<std::string> SplitListLines(std::string_view content);

// The members to list, in file order: none when `scEnabled` is 1 (shortcuts only);
// otherwise lines ending ".BMP" ".bmp" ".Bmp", and with a JPEG reader present also
// ".JPG" ".jpg" ".Jpg". Shortcuts and ".JPEG" members are not taken from archives.
std::vector<std::string> ArchiveListEntries(std::string_view content, int scEnabled, int jpegAvailable);

}  // namespace mov
