// The change cycle: turns the entry at the current position into a bitmap and has the
// desktop show it; and the moves that lead to it (selection step, Next, Previous, toggles).
#pragma once
#include <functional>
#include <string>
#include "engine/engine_parts.h"

namespace mov {

class ChangeCycle {
public:
    explicit ChangeCycle(const EngineParts& parts) : p_(parts) {}

    // Shows the picture at the current position.
    void Run();
    // The timer's change point: the next (or a random) picture, then Run.
    void SelectionStep();
    // The user's commands; Next and Previous leave the showing to the timer's next tick.
    void Next();
    void Previous();
    void ToggleCenterTile();
    void ToggleFit();

    // Re-arms the timer with `periodMs`.
    void ArmTimer(unsigned periodMs);
    // Selects `group`, scans it and waits (through the clock) for the scan to end.
    void ScanGroup(int group, int keepSeed);
    void WaitForScan();
    const EngineParts& parts() const { return p_; }

    // True while a cycle, a step, a tick or a drop is under way. The cycle's calls into
    // other processes (the shell's tray) and its message boxes let commands sent meanwhile
    // run inside it; a command that finds it busy must wait for its end, or the end of the
    // cycle overwrites what it set.
    bool Busy() const { return depth_ > 0; }
    // Called each time the outermost busy period ends.
    void SetIdleHandler(std::function<void()> idle) { idle_ = std::move(idle); }
    class BusyScope {
    public:
        explicit BusyScope(ChangeCycle& c) : c_(c) { ++c_.depth_; }
        ~BusyScope() {
            if (--c_.depth_ == 0 && c_.idle_) c_.idle_();
        }
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        ChangeCycle& c_;
    };

private:
    struct Prepared {
        bool show = true;        // false: nothing may be handed to the desktop
        std::string current;     // the file the desktop is given
        std::string title;       // the picture's own path
        int archive = 0;
    };
    Prepared Prepare(int group, const std::string& entry);
    void PrepareArchiveMember(const std::string& archive, const std::string& entry, Prepared& out);
    void PrepareFolderEntry(const std::string& folder, const std::string& entry, Prepared& out);
    void CopyToWorkBitmap(std::string& current);

    EngineParts p_;
    int depth_ = 0;
    std::function<void()> idle_;
};

}  // namespace mov
