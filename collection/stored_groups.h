// What the start-up load keeps of the stored groups.
#pragma once
#include <string>

namespace mov {

// The root of the drive a path lies on: "Q:\" for "Q:\Pictures" or "q:", "\\server\share\"
// for "\\server\share\pics". Empty when the path names no drive ("pics", "\pics", "\\server").
std::string PathRoot(const std::string& path);

// A stored folder is dropped only when its drive is there and the folder is not: a folder
// on a removable, optical or network drive that is absent comes back with its drive.
bool KeepStoredFolder(bool rootPresent, bool folderPresent);

}  // namespace mov
