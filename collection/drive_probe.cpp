// The drive probe on GetDriveTypeA and the root's attributes.
#include "collection/drive_probe.h"
#include <windows.h>
#include "collection/stored_groups.h"

namespace mov {

bool DriveOfPathPresent(const std::string& path) {
    const std::string root = PathRoot(path);
    if (root.empty()) return true;
    if (GetDriveTypeA(root.c_str()) == DRIVE_NO_ROOT_DIR) return false;
    // An empty removable or optical drive fails here instead of asking for a disk.
    const UINT mode = SetErrorMode(0);
    SetErrorMode(mode | SEM_FAILCRITICALERRORS);
    const bool readable = GetFileAttributesA(root.c_str()) != INVALID_FILE_ATTRIBUTES;
    SetErrorMode(mode);
    return readable;
}

bool IsFolder(const std::string& path) {
    const DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace mov
