// Filtering the LHA program's list file into file list entries.
#include "collection/archive_list.h"
#include "collection/file_kind.h"
#include "settings/settings_codes.h"

namespace mov {

std::vector<std::string> SplitListLines(std::string_view content) {
    std::vector<std::string> lines;
    size_t begin = 0;
    while (begin < content.size()) {
        size_t nl = content.find('\n', begin);
        size_t end = nl == std::string_view::npos ? content.size() : nl;
        size_t stop = end;
        if (nl != std::string_view::npos && stop > begin && content[stop - 1] == '\r') --stop;
        // The line as a C string holds it: the list box keeps only that much, and the
        // change cycle must unpack the very name that was checked here.
        std::string_view line = content.substr(begin, stop - begin);
        lines.emplace_back(line.substr(0, line.find('\0')));
        if (nl == std::string_view::npos) break;
        begin = nl + 1;
    }
    return lines;
}

std::vector<std::string> ArchiveListEntries(std::string_view content, int scEnabled, int jpegAvailable) {
    std::vector<std::string> out;
    if (scEnabled == kScOnly) return out;
    for (std::string& line : SplitListLines(content)) {
        if (IsBitmapName(line) || (jpegAvailable == 1 && IsShortJpegName(line))) out.push_back(std::move(line));
    }
    return out;
}

}  // namespace mov
