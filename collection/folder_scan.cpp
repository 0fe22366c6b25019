// Scan of the current group into the file list.
#include "collection/folder_scan.h"
#include <cstdio>
#include <vector>
#include "collection/archive_list.h"
#include "collection/drive_probe.h"
#include "collection/list_boxes.h"
#include "collection/runtime_rand.h"
#include "collection/shortcut_file.h"
#include "framework/busy_period.h"
#include "settings/busy_handshake.h"
#include "settings/clock.h"
#include "settings/settings_codes.h"

namespace mov {
namespace {

// DlgDirListA with read-only and hidden files included, no folders or drives. It makes
// the folder the current directory. The box is emptied first ourselves as well, so a
// listing that fails (folder gone) leaves no names of an earlier one behind.
void ListPattern(HWND parent, const std::string& folder, const char* pattern, int id) {
    LbClear(parent, id);
    std::string wanted = folder + "\\" + pattern;
    std::vector<char> buf(wanted.size() + MAX_PATH + 1, '\0');  // DlgDirListA writes into it
    wanted.copy(buf.data(), wanted.size());
    DlgDirListA(parent, buf.data(), id, 0, DDL_READONLY | DDL_HIDDEN);
}

bool ReadWholeFile(const std::string& path, std::string& out) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) out.append(buf, n);
    std::fclose(f);
    return true;
}

}  // namespace

std::string FolderScan::ListFilePath(const SettingsRecord& s) { return s.TempFolder + "\\MovList.tmp"; }

void FolderScan::ShowFileErrorBox(HWND owner, const std::string& path) {
    std::string text = "ファイル " + path + " が見つかりません。";
    fw::ShowMessageBox(owner, text.c_str(), "Movani32", MB_OK | MB_ICONEXCLAMATION);
}

void FolderScan::WaitUntilDone(int steps) const {
    for (int i = 0; i < steps && !scanDone; ++i) TheClock().Sleep(1000);
}

void FolderScan::Scan(bool keepSeed, ScanCaller caller) {
    scanDone = false;
    if (LbCount(parent_, IDC_GROUP_LIST) == 0 || groups_.empty()) {
        scanDone = true;
        return;
    }
    const int target = s_.Change == kChangeRand2 ? IDC_RANDOM_LIST : IDC_FILE_LIST;
    LbClear(parent_, IDC_FILE_LIST);
    LbClear(parent_, IDC_RANDOM_LIST);

    int group = LbSelection(parent_, IDC_GROUP_LIST);
    if (group < 0) group = 0;
    pos_.DirPos = group;
    if (group >= groups_.size()) {  // the box and the array disagree: nothing safe to list
        scanDone = true;
        return;
    }
    const CDirObj& entry = groups_.at(group);
    if (entry.archive) {
        if (!ListArchive(entry.path, target, caller)) {
            scanDone = true;  // abandoned and reported; callers need not wait out their count
            return;
        }
    } else {
        // A drive without its medium lists nothing, without a system box. Its root is not
        // probed first: a share may refuse its root and still list the folder.
        NoDiskPrompts quiet;
        ListFolder(entry.path, target);
    }
    if (s_.Change == kChangeRand2) StageRandom(keepSeed);
    scanDone = true;
}

bool FolderScan::ListArchive(const std::string& archive, int targetId, ScanCaller caller) {
    const std::string listFile = ListFilePath(s_);
    // A listing that fails must not present the previous archive's members as this one's.
    DeleteFileA(listFile.c_str());
    const std::string cmd = listProgram_ + " \"" + archive + "\" \"" + listFile + "\"";
    RunOutsideProgram(cmd, s_.ReadTimeOut);  // no wait when the program did not start

    std::string content;
    if (!ReadWholeFile(listFile, content)) {
        // The user is told each time; the ticks once for this archive, not at each try.
        if (!reported_.insert(archive).second && caller == ScanCaller::kTimer) return false;
        if (report_) report_(parent_, listFile);
        else ShowFileErrorBox(parent_, listFile);
        return false;
    }
    reported_.erase(archive);  // it lists again: a later failure is news
    for (const std::string& line : ArchiveListEntries(content, s_.SCenabled, s_.JpegAvailable))
        LbAdd(parent_, targetId, line);
    return true;
}

void FolderScan::ListFolder(const std::string& folder, int targetId) {
    if (s_.SCenabled != kScOnly) ListPattern(parent_, folder, "*.BMP", targetId);

    if (s_.SCenabled != kScNo) {
        ListPattern(parent_, folder, "*.lnk", IDC_SCRATCH_LIST);
        const int n = LbCount(parent_, IDC_SCRATCH_LIST);
        for (int i = 0; i < n; ++i) {
            LbSelect(parent_, IDC_SCRATCH_LIST, i);
            const std::string name = LbText(parent_, IDC_SCRATCH_LIST, i);
            ShortcutTarget t = ResolveShortcut(folder + "\\" + name, s_.OsKind);
            if ((t.kind == 1 || t.kind == 2) && CanOpenForReading(t.path)) LbAdd(parent_, targetId, name);
        }
    }

    if (s_.SCenabled != kScOnly && s_.JpegAvailable == 1 && s_.JPEGRead == 1) {
        for (const char* pattern : {"*.JPG", "*.JPEG"}) {
            ListPattern(parent_, folder, pattern, IDC_SCRATCH_LIST);
            const int n = LbCount(parent_, IDC_SCRATCH_LIST);
            for (int i = 0; i < n; ++i) LbAdd(parent_, targetId, LbText(parent_, IDC_SCRATCH_LIST, i));
        }
    }
}

void FolderScan::StageRandom(bool keepSeed) {
    if (!keepSeed) pos_.RandSeed = static_cast<int32_t>(TheClock().Seconds());
    Lcg& rng = TheRand();
    rng.Seed(static_cast<uint32_t>(pos_.RandSeed));
    // Bounded by the staged count, so a list box that refuses a delete cannot hang us.
    for (int left = LbCount(parent_, IDC_RANDOM_LIST); left > 0; --left) {
        const int n = LbCount(parent_, IDC_RANDOM_LIST);
        if (n == 0) break;
        const int32_t i = PickIndex(n, rng.Next());
        LbAdd(parent_, IDC_FILE_LIST, LbText(parent_, IDC_RANDOM_LIST, i));
        LbDelete(parent_, IDC_RANDOM_LIST, i);
    }
}

}  // namespace mov
