// What the start-up load keeps of the stored groups, and where the stored current group
// lands in the list it loaded.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace mov {

// The root of the drive a path lies on: "Q:\" for "Q:\Pictures" or "q:", "\\server\share\"
// for "\\server\share\pics". Empty when the path names no drive ("pics", "\pics", "\\server").
std::string PathRoot(const std::string& path);

// A stored folder is dropped only when its drive is there and the folder is not: a folder
// on a removable, optical or network drive that is absent comes back with its drive.
bool KeepStoredFolder(bool rootPresent, bool folderPresent);

// Where the stored DirPos lands in the loaded list; `loadedFrom` holds, for each loaded
// group, its stored index (ascending), and `count` is the stored Count.
struct LoadedPosition {
    int32_t dirPos = 0;
    bool keepBmpPos = true;  // false: the current group was dropped, its file index means nothing
};
LoadedPosition LoadedDirPos(const std::vector<int32_t>& loadedFrom, int32_t count, int32_t storedDirPos);

}  // namespace mov
