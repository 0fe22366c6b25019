// The drive probe on GetDriveTypeA and the root's attributes.
#include "collection/drive_probe.h"
#include <windows.h>
#include "collection/stored_groups.h"

namespace mov {

NoDiskPrompts::NoDiskPrompts() : mode_(SetErrorMode(0)) { SetErrorMode(mode_ | SEM_FAILCRITICALERRORS); }

NoDiskPrompts::~NoDiskPrompts() { SetErrorMode(mode_); }

bool DriveOfPathPresent(const std::string& path) {
    const std::string root = PathRoot(path);
    if (root.empty()) return true;
    if (GetDriveTypeA(root.c_str()) == DRIVE_NO_ROOT_DIR) return false;
    NoDiskPrompts quiet;  // an empty removable or optical drive fails here
    return GetFileAttributesA(root.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path) {
    const DWORD attr = GetFileAttributesA(path.c_str());
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace mov
