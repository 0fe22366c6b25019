// The scan: fills the file list with the current group's pictures, from a folder by name
// patterns or from an archive through the LHA program, and shuffles it for "Rand2".
#pragma once
#include <windows.h>
#include <functional>
#include <set>
#include <string>
#include "collection/group_list.h"
#include "collection/positions.h"
#include "settings/settings_record.h"

namespace mov {

// Who wants a scan. A listing that fails is told to the user each time they ask; the
// countdown's ticks tell it once per archive, until that archive lists again.
enum class ScanCaller { kUser, kTimer };

class FolderScan {
public:
    // Shows the file-error report for a list file that is not there.
    using FileErrorReport = std::function<void(HWND owner, const std::string& path)>;

    FolderScan(const SettingsRecord& settings, GroupList& groups, Positions& positions)
        : s_(settings), groups_(groups), pos_(positions) {}

    // The window whose children are the list boxes IDC_GROUP_LIST .. IDC_RANDOM_LIST.
    void Attach(HWND parent) { parent_ = parent; }

    // Rebuilds the file list from the group selected in the group list (group 0 when none
    // is). Without `keepSeed` a fresh seed comes from the clock for "Rand2"; with it RandSeed
    // is kept so the stored order comes back. The current file index is left alone.
    void Scan(bool keepSeed, ScanCaller caller = ScanCaller::kUser);
    // A renewed document starts afresh: every archive's failed listing is told again.
    void ForgetReports() { reported_.clear(); }

    // False while a scan runs, true once it has ended.
    bool scanDone = true;
    // Waits for the scan's end in pauses of 1000 ms, at most `steps` of them. A scan runs to
    // its end before Scan returns, so this normally returns at once: a pause there would
    // only keep the window from answering.
    void WaitUntilDone(int steps) const;

    // The LHA program started for a listing. Only tests put another program here.
    void SetListProgram(std::string program) { listProgram_ = std::move(program); }
    // Tests replace the modal message box; an empty function brings it back.
    void SetFileErrorReport(FileErrorReport report) { report_ = std::move(report); }

    // TempFolder + "\MovList.tmp": where the LHA program writes an archive's members.
    static std::string ListFilePath(const SettingsRecord& s);
    // The default report: a modal message box naming the file.
    static void ShowFileErrorBox(HWND owner, const std::string& path);

private:
    bool ListArchive(const std::string& archive, int targetId, ScanCaller caller);
    void ListFolder(const std::string& folder, int targetId);
    void StageRandom(bool keepSeed);

    const SettingsRecord& s_;
    GroupList& groups_;
    Positions& pos_;
    HWND parent_ = nullptr;
    std::string listProgram_ = "MeltLha.exe";
    FileErrorReport report_;
    std::set<std::string> reported_;  // archives whose failed listing was told, until each lists
};

}  // namespace mov
