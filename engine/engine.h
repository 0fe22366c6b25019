// The wallpaper engine: owns the countdown and its timer, the change cycle and the desktop
// writer. The user interface tells it what the user asked for and asks it what it needs to
// draw; what happens inside comes back as EngineEvents.
#pragma once
#include <cstdint>
#include <functional>
#include "engine/change_cycle.h"
#include "engine/desktop_writer.h"
#include "engine/engine_events.h"
#include "engine/wallpaper_timer.h"

namespace mov {

class Engine {
public:
    // `lists` is the window that holds the collection's list boxes and owns the timer.
    Engine(SettingsRecord& settings, GroupList& groups, Positions& positions, FolderScan& scan,
           EngineEvents& events, HWND lists);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Start-up and renewal, before the groups are loaded: the countdown from the settings.
    // The timer id comes first, so a command answered inside the load's message box arms
    // this timer, never one of id 0 that nothing would kill.
    void Reset();
    // After the load: soon when it found groups, otherwise at the resting pace.
    void Start(bool groupsLoaded);
    // The window goes away: no timer any more.
    void Shutdown();
    // WM_TIMER with timer `id`.
    void Tick(uintptr_t id) { timer_.Tick(id); }

    // The user's commands. Next and Previous leave the showing to the next tick.
    void Next() { cycle_.Next(); }
    void Previous() { cycle_.Previous(); }
    void ToggleCenterTile() { cycle_.ToggleCenterTile(); }
    void ToggleFit() { cycle_.ToggleFit(); }
    void Redisplay() { cycle_.Run(); }
    void Stop();
    void Go();
    void StopGo();
    // Removing the wallpaper always stops the countdown; bringing it back resumes it only
    // when it ran before the removal.
    void TogglePaper();
    // Group `index` goes (the user agreed); the current group is shown again.
    void DeleteGroup(int index);
    // The group selected in the group list becomes the current one and is shown.
    void ShowSelectedGroup();
    // File `index` of the current group is shown and the countdown starts over.
    void ShowFile(int index);

    // While the property sheet is open the countdown stands still.
    void Hold();
    void Resume();
    // A new interval: a shorter one shortens the running countdown; a longer one waits for
    // the next change.
    void Reload(int interval);
    // The settings changed: the current group is read again and shown.
    void RescanAndShow();
    // The delayed start is over: the next tick changes as usual.
    void EndDelayedStart() { st_.delayedStart = 2; }
    DesktopWriter& desktop() { return writer_; }

    // A change, a tick or a drop is under way (and may be waiting on another process or a
    // message box). What arrives meanwhile must wait for its end.
    bool Busy() const { return cycle_.Busy(); }
    // Called each time the outermost busy period ends.
    void SetIdleHandler(std::function<void()> idle) { cycle_.SetIdleHandler(std::move(idle)); }
    class BusyScope : public ChangeCycle::BusyScope {
    public:
        explicit BusyScope(Engine& e) : ChangeCycle::BusyScope(e.cycle_) {}
    };

    int countdown() const { return st_.countdown; }
    int reload() const { return st_.reload; }
    unsigned timerPeriod() const { return st_.timerPeriod; }
    uintptr_t timerId() const { return st_.timerId; }
    int rememberedMode() const { return st_.rememberedMode; }
    int delayedStart() const { return st_.delayedStart; }

private:
    friend struct EngineTestAccess;  // puts the countdown where a run of ticks would leave it
    void SetRunModes(int change, int remembered);

    SettingsRecord& s_;
    EngineEvents& events_;
    HWND lists_;
    EngineState st_;
    FitOverride fit_;
    DesktopWriter writer_;
    ChangeCycle cycle_;
    WallpaperTimer timer_;
};

}  // namespace mov
