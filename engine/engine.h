// The wallpaper engine: owns the countdown and its timer, the change cycle and the desktop
// writer. The user interface tells it what the user asked for and asks what it needs to
// draw; what happens inside comes back as EngineEvents. Its work lies in engine.cpp (the
// commands), change_cycle.cpp (one change) and engine_tick.cpp (the timer tick).
#pragma once
#include <windows.h>
#include <cstdint>
#include <string>
#include "collection/folder_scan.h"
#include "collection/group_list.h"
#include "collection/positions.h"
#include "engine/desktop_writer.h"
#include "engine/engine_events.h"
#include "engine/image_prep.h"
#include "engine/selection_rules.h"
#include "framework/busy_period.h"
#include "settings/settings_record.h"

namespace mov {

class Engine {
public:
    // `lists` holds the list boxes 57346..57349 and owns the timer.
    Engine(SettingsRecord& settings, GroupList& groups, Positions& positions, FolderScan& scan,
           EngineEvents& events, HWND lists)
        : s_(settings), groups_(groups), pos_(positions), scan_(scan), events_(events), lists_(lists),
          writer_(settings, fit_, &events) {}
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Start-up and renewal, before the groups are loaded. The timer id comes first, so a
    // command answered inside the load's message box arms this timer, never one of id 0.
    void Reset();
    // After the load: soon when it found groups, otherwise at the resting pace.
    void Start(bool groupsLoaded);
    void Shutdown();  // the window goes: no timer any more
    // WM_TIMER with timer `id`: ticks of another id pass the guards and only refresh the text.
    void Tick(uintptr_t id);

    // The user's commands. Next and Previous leave the showing to the next tick.
    void Next();
    void Previous();
    void ToggleCenterTile();
    void ToggleFit();
    void Redisplay() { Run(); }
    // The screen changed size: a wallpaper made for the old one is made again for the new
    // one, at the same position; the countdown goes on.
    void ScreenChanged() {
        if (writer_.MadeForOtherScreen()) Run();
    }
    void Stop() { SetRunModes(mov::Stop); }
    void Go() { SetRunModes(mov::Go); }
    void StopGo() { SetRunModes(mov::StopGo); }
    // Removing the wallpaper always stops the countdown; bringing it back resumes it only
    // when it ran before the removal.
    void TogglePaper();
    void DeleteGroup(int index);  // the user agreed; the current group is shown again
    void ShowSelectedGroup();     // the group list's selection becomes the current group
    void ShowFile(int index);     // and the countdown starts over

    // While the property sheet is open the countdown stands still.
    void Hold();
    void Resume();
    // A shorter interval shortens the running countdown; a longer one waits for the next change.
    void Reload(int interval);
    void RescanAndShow();  // the settings changed: the current group is read again and shown
    void EndDelayedStart() { st_.delayedStart = 2; }
    DesktopWriter& desktop() { return writer_; }

    // Every operation that can wait in a loop it does not own (a scan's report, a change, the
    // removal) is one busy period (framework/busy_period.h) from its start to its end.
    bool Busy() const { return fw::BusyPeriod::Active(); }

    int countdown() const { return st_.countdown; }
    int reload() const { return st_.reload; }
    unsigned timerPeriod() const { return st_.timerPeriod; }
    uintptr_t timerId() const { return st_.timerId; }
    int rememberedMode() const { return st_.rememberedMode; }
    int delayedStart() const { return st_.delayedStart; }

private:
    friend struct EngineTestAccess;  // puts the countdown where a run of ticks would leave it

    // One change: the entry at the current position made a bitmap and shown.
    void Run();
    // The timer's change point: the next (or a random) picture, then Run.
    void SelectionStep();
    void ArmTimer(unsigned periodMs);
    // Selects `group`, scans it and waits (through the clock) for the scan to end.
    // A scan the user asked for tells a failed listing every time; the countdown's, once.
    void ScanGroup(int group, int keepSeed, ScanCaller caller);
    void WaitForScan();
    void SetRunModes(RunModes (*rule)(RunModes));
    bool Held();  // this tick must end at once
    void ShowCurrent();

    struct Prepared {
        bool show = true;     // false: nothing may be handed to the desktop
        std::string current;  // the file the desktop is given
        std::string title;    // the picture's own path
        int archive = 0;
        ConvertedJpeg jpeg;   // what the conversion made, for JPEG pictures
    };
    Prepared Prepare(int group, const std::string& entry);
    void PrepareArchiveMember(const std::string& archive, const std::string& entry, Prepared& out);
    void PrepareFolderEntry(const std::string& folder, const std::string& entry, Prepared& out);
    void CopyToWorkBitmap(std::string& current);

    SettingsRecord& s_;
    GroupList& groups_;
    Positions& pos_;
    FolderScan& scan_;
    EngineEvents& events_;
    HWND lists_;
    struct State {
        uintptr_t timerId = 0;
        unsigned timerPeriod = 10000;  // ms: 100, 1000 or 10000
        int countdown = -1;            // ticks left; 1 changes, -1 rescans and shows, -2 shows
        int reload = 0;                // Interval * 6 + 9
        int forced = 0;                // the user asked for the pending change
        int delayedStart = 0;          // 0 nothing shown yet, 1 saved picture selected, 2 over
        int rememberedMode = 0;        // the change mode before a stop
        int screenSaverEnabled = 0;
    } st_;
    FitOverride fit_;
    DesktopWriter writer_;
};

}  // namespace mov
