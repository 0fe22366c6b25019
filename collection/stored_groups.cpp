// The load's decisions about stored groups.
#include "collection/stored_groups.h"
#include <algorithm>

namespace mov {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }
bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// The index of the first separator at or after `from` that begins a character (a Shift-JIS
// second byte may be 0x5C), or npos.
size_t NextSeparator(const std::string& s, size_t from) {
    for (size_t i = from; i < s.size(); ++i) {
        if (IsSeparator(s[i])) return i;
        if (IsLeadByte(static_cast<unsigned char>(s[i]))) ++i;
    }
    return std::string::npos;
}

}  // namespace

std::string PathRoot(const std::string& path) {
    const bool letter = path.size() >= 2 && path[1] == ':' &&
                        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    if (letter) return path.substr(0, 2) + "\\";
    if (path.size() < 3 || !IsSeparator(path[0]) || !IsSeparator(path[1])) return "";
    const size_t server = NextSeparator(path, 2);
    if (server == std::string::npos || server == 2) return "";
    const size_t share = NextSeparator(path, server + 1);
    const size_t end = share == std::string::npos ? path.size() : share;
    if (end == server + 1) return "";
    std::string root = path.substr(0, end) + "\\";
    std::replace(root.begin(), root.end(), '/', '\\');  // never a Shift-JIS second byte
    return root;
}

bool KeepStoredFolder(bool rootPresent, bool folderPresent) { return folderPresent || !rootPresent; }

LoadedPosition LoadedDirPos(const std::vector<int32_t>& loadedFrom, int32_t count, int32_t storedDirPos) {
    LoadedPosition p;
    // A DirPos that names no stored group stays as it was: it selects nothing, and the
    // scan takes group 0.
    if (storedDirPos < 0 || storedDirPos > count) {
        p.dirPos = storedDirPos;
        return p;
    }
    const auto at = std::lower_bound(loadedFrom.begin(), loadedFrom.end(), storedDirPos);
    p.dirPos = static_cast<int32_t>(at - loadedFrom.begin());
    if (at != loadedFrom.end() && *at == storedDirPos) return p;
    p.keepBmpPos = false;  // dropped: the survivor after it, or group 0
    if (at == loadedFrom.end()) p.dirPos = 0;
    return p;
}

}  // namespace mov
