// Saving and loading the groups and positions.
#include "collection/group_store.h"
#include <windows.h>
#include <algorithm>
#include <vector>
#include "collection/drive_probe.h"
#include "collection/file_kind.h"
#include "collection/group_values.h"
#include "collection/list_boxes.h"
#include "collection/stored_groups.h"
#include "framework/reg_key.h"
#include "settings/clock.h"
#include "settings/registry_paths.h"

namespace mov {
namespace {

// The indices 0..count whose value name is stored, ascending. Enumerating the key instead of
// trying every index up to Count gives the same groups in the same order, but a damaged
// Count near 2^31 cannot keep the start-up busy for hours.
std::vector<int32_t> StoredGroupIndices(HKEY key, int32_t count) {
    std::vector<int32_t> found;
    for (DWORD i = 0;; ++i) {
        char name[64];
        DWORD len = sizeof name;
        LONG rc = RegEnumValueA(key, i, name, &len, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_MORE_DATA) continue;  // a long name is no index
        if (rc != ERROR_SUCCESS) break;
        int32_t n = 0;
        if (!GroupIndexOfName(std::string_view(name, len), count, n)) continue;
        found.push_back(n);
    }
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace

void SaveGroupList(GroupList& groups, bool release) {
    if (groups.empty()) return;
    fw::RegKey key;
    bool open = key.Create(HKEY_CURRENT_USER, kGroupKey) == ERROR_SUCCESS;
    for (int i = groups.size() - 1; i >= 0; --i) {
        if (open) key.SetString(GroupValueName(i).c_str(), groups.at(i).path);
        if (release) groups.Remove(i);
    }
}

void SavePositions(const GroupList& groups, const Positions& pos) {
    if (groups.empty()) return;
    fw::RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kGroupKey) != ERROR_SUCCESS) return;
    key.SetDword("Count", static_cast<uint32_t>(groups.size() - 1));
    key.SetDword("DirPos", static_cast<uint32_t>(pos.DirPos));
    key.SetDword("BmpPos", static_cast<uint32_t>(pos.BmpPos));
    key.SetDword("RandSeed", static_cast<uint32_t>(pos.RandSeed));
}

void ForgetStoredGroups() { RegDeleteKeyA(HKEY_CURRENT_USER, kGroupKey); }

int LoadGroups(GroupList& groups, Positions& pos, FolderScan& scan, const SettingsRecord& s) {
    HWND parent = groups.parent();
    pos.DirPos = LbSelection(parent, IDC_GROUP_LIST);
    fw::RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kGroupKey) != ERROR_SUCCESS) return 0;
    int32_t count = 0;
    if (key.QueryNumber("Count", count) != ERROR_SUCCESS) return 0;

    std::vector<int32_t> loadedFrom;  // the stored index of each group loaded
    for (int32_t i : StoredGroupIndices(key.get(), count)) {
        std::string path;  // a value too long for the 255-byte buffer stays empty
        key.QueryString(GroupValueName(i).c_str(), path, 255);
        if (path.empty()) continue;
        const bool archive = IsArchiveName(path);  // the archive itself is not looked for
        if (!archive) {
            // The drive first: an empty removable drive is not asked for the folder.
            const bool drive = DriveOfPathPresent(path);
            if (!KeepStoredFolder(drive, drive && IsFolder(path))) continue;
        }
        groups.Append(path, archive);
        loadedFrom.push_back(i);
    }

    int32_t storedDirPos = 0;
    key.QueryNumber("DirPos", storedDirPos);
    const LoadedPosition current = LoadedDirPos(loadedFrom, count, storedDirPos);
    pos.DirPos = current.dirPos;
    if (key.QueryNumber("RandSeed", pos.RandSeed) != ERROR_SUCCESS)
        pos.RandSeed = static_cast<int32_t>(TheClock().Seconds());
    LbSelect(parent, IDC_GROUP_LIST, pos.DirPos);

    scan.Scan(true, ScanCaller::kUser);
    for (int i = 0; i < s.ReadTimeOut; ++i) {
        TheClock().Sleep(1000);
        if (scan.scanDone) break;
    }

    pos.BmpPos = 0;
    if (current.keepBmpPos) key.QueryNumber("BmpPos", pos.BmpPos);
    LbSelect(parent, IDC_FILE_LIST, pos.BmpPos);
    return 1;
}

}  // namespace mov
