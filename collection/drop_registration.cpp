// The main window's WM_DROPFILES: each path tested, refusals told, the list saved.
#include "collection/drop_registration.h"
#include <vector>
#include "collection/drop_rules.h"
#include "collection/group_store.h"
#include "framework/busy_period.h"

namespace mov {

void RegisterDroppedFiles(HDROP drop, HWND frame, GroupList& groups, const Positions& pos,
                          const SettingsRecord& s, const DropReport& report) {
    if (frame) SetActiveWindow(frame);
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        // The whole path, however long: a path is refused, never cut.
        UINT len = DragQueryFileA(drop, i, nullptr, 0);
        std::vector<char> buf(static_cast<size_t>(len) + 1, '\0');
        DragQueryFileA(drop, i, buf.data(), len + 1);
        std::string path(buf.data());
        DWORD attr = GetFileAttributesA(path.c_str());
        bool folder = attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
        DropVerdict verdict = ClassifyDrop(path, s.LhaAvailable == 1, folder);
        if (verdict == DropVerdict::Archive) {
            groups.Append(path, true);
        } else if (verdict == DropVerdict::Folder) {
            groups.Append(path, false);
        } else {
            std::string text = DropRefusalText(path, verdict);
            if (report)
                report(frame, text);
            else
                fw::ShowMessageBox(frame, text.c_str(), "MovAni32", MB_OK | MB_ICONEXCLAMATION);
        }
    }
    DragFinish(drop);
    SaveGroupList(groups, false);
    SavePositions(groups, pos);
}

}  // namespace mov
