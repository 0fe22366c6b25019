// One change of the engine, and the selection moves that lead to it.
#include "engine/engine.h"
#include "collection/file_kind.h"
#include "collection/group_store.h"
#include "collection/list_boxes.h"
#include "collection/runtime_rand.h"
#include "collection/shortcut_file.h"
#include "engine/image_prep.h"
#include "engine/member_name.h"
#include "engine/selection_rules.h"
#include "engine/step_marks.h"
#include "engine/work_files.h"
#include "framework/reg_key.h"
#include "settings/busy_handshake.h"
#include "settings/registry_paths.h"
#include "settings/settings_codes.h"

namespace mov {
namespace {

constexpr int kMaxScanWaits = 5;

bool SmartAdjust(int adjust) { return adjust == kAdjustSmart || adjust == kAdjustSmart2; }

// The folders an unpacked member brought with it ("sub\x.bmp" makes TEMP\sub), deepest
// first, once they are empty again.
void RemoveMemberFolders(const std::string& temp, const std::string& entry) {
    std::string rel = entry;
    for (;;) {
        size_t cut = rel.find_last_of("\\/");
        if (cut == std::string::npos) return;
        rel.resize(cut);
        RemoveDirectoryA((temp + "\\" + rel).c_str());
    }
}

}  // namespace

void Engine::ArmTimer(unsigned periodMs) {
    st_.timerPeriod = periodMs;
    SetTimer(lists_, static_cast<UINT_PTR>(st_.timerId), periodMs, nullptr);
}

void Engine::WaitForScan() { scan_.WaitUntilDone(kMaxScanWaits); }

void Engine::ScanGroup(int group, int keepSeed, ScanCaller caller) {
    LbSelect(lists_, IDC_GROUP_LIST, group);
    scan_.Scan(keepSeed, caller);
    WaitForScan();
}

void Engine::CopyToWorkBitmap(std::string& current) {
    const std::string work = WorkBitmapPath(s_);
    SetFileAttributesA(work.c_str(), FILE_ATTRIBUTE_NORMAL);
    CopyFileA(current.c_str(), work.c_str(), FALSE);
    current = work;
    SetFileAttributesA(work.c_str(), FILE_ATTRIBUTE_NORMAL);
}

void Engine::PrepareArchiveMember(const std::string& archive, const std::string& entry, Prepared& out) {
    const SettingsRecord& s = s_;
    out.archive = 1;
    // A list line that could name a file outside the work folder is never unpacked, moved
    // or deleted, nor handed to the desktop.
    if (!IsSafeMemberName(entry)) {
        out.show = false;
        return;
    }
    const std::string cmd = "MeltLha.exe \"" + archive + "\" \"" + s.TempFolder + "\\\" \"" + entry + "\"";
    const HandshakeResult h = RunOutsideProgram(cmd, s.ReadTimeOut);  // no wait when it did not start
    if (h.execResult <= 31) return;                                   // the bare entry stays

    const std::string unpacked = s.TempFolder + "\\" + entry;
    const std::string work = WorkBitmapPath(s);
    if (IsBitmapName(unpacked)) {
        out.title = unpacked;
        out.current = work;
        SetFileAttributesA(work.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (s.OsKind == kOs9x) {
            DeleteFileA(work.c_str());
            MoveFileA(unpacked.c_str(), work.c_str());
        } else {
            MoveFileExA(unpacked.c_str(), work.c_str(), MOVEFILE_REPLACE_EXISTING);
        }
        RemoveMemberFolders(s.TempFolder, entry);
    } else if (IsJpegName(unpacked)) {
        out.title = unpacked;
        ConvertJpeg(s, unpacked, out.current, &out.jpeg);
        SetFileAttributesA(unpacked.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(unpacked.c_str());
        RemoveMemberFolders(s.TempFolder, entry);
    }
}

void Engine::PrepareFolderEntry(const std::string& folder, const std::string& entry, Prepared& out) {
    const SettingsRecord& s = s_;
    if (IsShortcutName(entry)) {
        // Named by its folder, so the current directory does not matter.
        const ShortcutTarget t = ResolveShortcut(folder + "\\" + entry, s.OsKind);
        if (t.kind == 1) {
            out.current = out.title = t.path;
            if (SmartAdjust(s.Adjust)) CopyToWorkBitmap(out.current);
        } else if (t.kind == 2) {
            out.title = t.path;
            ConvertJpeg(s, t.path, out.current, &out.jpeg);
        }
    } else if (IsBitmapName(entry)) {
        out.current = out.title = folder + "\\" + entry;
        if (SmartAdjust(s.Adjust)) CopyToWorkBitmap(out.current);
    } else if (IsJpegName(entry)) {
        out.title = folder + "\\" + entry;
        ConvertJpeg(s, out.title, out.current, &out.jpeg);
    }
}

Engine::Prepared Engine::Prepare(int group, const std::string& entry) {
    Prepared out;
    out.current = entry;
    const CDirObj& obj = groups_.at(group);
    const std::string listed = LbText(lists_, IDC_GROUP_LIST, group);
    if (obj.archive != 0) {
        if (IsArchiveName(listed)) PrepareArchiveMember(listed, entry, out);
    } else {
        PrepareFolderEntry(listed, entry, out);
    }
    return out;
}

void Engine::Run() {
    fw::BusyPeriod busy;
    StepMark change("change");
    HCURSOR before = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    StepMark shown("changing shown");
    events_.Changing();
    shown.End();
    Positions& pos = pos_;
    const int files = LbCount(lists_, IDC_FILE_LIST);
    bool wrote = false;
    if (files > 0) {
        if (pos.DirPos < 0) pos.DirPos = 0;
        if (pos.BmpPos >= files || pos.BmpPos < 0) pos.BmpPos = 0;
        // A group index the list does not hold has nothing to show.
        if (pos.DirPos < groups_.size()) {
            LbSelect(lists_, IDC_FILE_LIST, pos.BmpPos);
            StepMark converting("conversion");
            const Prepared prep = Prepare(pos.DirPos, LbText(lists_, IDC_FILE_LIST, pos.BmpPos));
            converting.End();
            if (prep.show) {
                writer_.ApplyWallpaper(prep.current, prep.title, prep.archive,
                                       prep.jpeg.screenSized ? prep.jpeg.own : PictureSize{});
                StepMark saving("positions saved");
                SavePositions(groups_, pos);
                saving.End();
                StepMark caption("caption");
                events_.ShowingPicture(prep.title);
                wrote = true;
            }
        }
    }
    writer_.CompleteChange(wrote);
    events_.ChangeEnded();
    SetCursor(before);
}

void Engine::SelectionStep() {
    fw::BusyPeriod busy;
    StepMark selecting("selection");
    State& st = st_;
    Positions& pos = pos_;
    SelectionInput in;
    in.change = s_.Change;
    in.forced = st.forced;
    in.delayedAction = s_.DelayedAction;
    in.delayedStart = st.delayedStart;
    in.dirPos = pos.DirPos;
    in.bmpPos = pos.BmpPos;
    in.groups = groups_.size();
    in.files = LbCount(lists_, IDC_FILE_LIST);
    const bool draws = in.change == kChangeRand && in.forced == 0;
    const SelectionPlan plan = PlanSelection(in, draws ? TheRand().Next() : 0);

    st.delayedStart = plan.delayedStart;
    pos.DirPos = plan.dirPos;
    pos.BmpPos = plan.bmpPos;
    // A Next is the user's: it enters the group as a double click does.
    if (plan.rescan) ScanGroup(pos.DirPos, 0, st.forced ? ScanCaller::kUser : ScanCaller::kTimer);
    const int files = LbCount(lists_, IDC_FILE_LIST);
    if (plan.random) {
        pos.BmpPos = RandomIndex(files, TheRand().Next());
    } else {
        const AfterRescan after = AfterSelectionRescan(plan, files);
        if (after.stop) {
            if (after.restart) st.countdown = -1;
            ArmTimer(1000);
            return;
        }
    }
    LbSelect(lists_, IDC_GROUP_LIST, pos.DirPos);
    selecting.End();
    Run();
    st.countdown = st.reload;
    st.forced = 0;
    ArmTimer(10000);
}

void Engine::Next() {
    st_.countdown = 1;
    ArmTimer(100);
    st_.forced = 1;
}

void Engine::Previous() {
    fw::BusyPeriod busy;
    State& st = st_;
    Positions& pos = pos_;
    st.countdown = 1;
    st.timerPeriod = 100;  // armed only once there is something to show
    const PreviousPlan plan = PlanPrevious(groups_.size(), LbSelection(lists_, IDC_FILE_LIST),
                                           LbSelection(lists_, IDC_GROUP_LIST), pos.DirPos, pos.BmpPos);
    if (plan.stop) return;
    if (!plan.otherGroup) {
        pos.BmpPos = plan.bmpPos;
        st.countdown = -2;
    } else {
        pos.DirPos = plan.dirPos;
        ScanGroup(pos.DirPos, 0, ScanCaller::kUser);
        const int files = LbCount(lists_, IDC_FILE_LIST);
        if (files == 0) return;  // the next tick makes an ordinary step
        pos.BmpPos = files - 1;
        st.countdown = -1;
    }
    ArmTimer(100);
    st.forced = 1;
}

void Engine::ToggleCenterTile() {
    SettingsRecord& s = s_;
    s.TileWallPaper = s.TileWallPaper == kPlaceCentre ? kPlaceTile : kPlaceCentre;
    if (s.AutoTile == kAutoTileArmed) s.AutoTile = kAutoTileSuspended;
    Run();
}

void Engine::ToggleFit() {
    SettingsRecord& s = s_;
    // A second toggle before a picture was shown must not take the toggled value for the
    // configured one.
    if (fit_.pending != 1) fit_.savedAdjust = s.Adjust;
    fit_.pending = 1;
    fw::RegKey k;
    if (k.Open(HKEY_CURRENT_USER, kDesktopKey, KEY_ALL_ACCESS) == ERROR_SUCCESS) {
        std::string style;
        k.QueryString("WallpaperStyle", style, 255);
        s.Adjust = style == "0" ? kAdjustYes : kAdjustNo;
    }
    s.TileWallPaper = kPlaceCentre;
    if (s.AutoTile == kAutoTileArmed) s.AutoTile = kAutoTileSuspended;
    Run();
}

}  // namespace mov
