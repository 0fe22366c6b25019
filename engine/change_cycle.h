// The change cycle: turns the entry at the current position into a bitmap and has the
// desktop show it; and the moves that lead to it (selection step, Next, Previous, toggles).
#pragma once
#include <string>
#include "engine/engine_host.h"

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

    // True while a cycle, a step or a tick is under way. The cycle's calls into other
    // processes (the shell's tray) let commands sent meanwhile run inside it; a command
    // that finds it busy must be queued, or the end of the cycle overwrites what it set.
    bool Busy() const { return depth_ > 0; }
    class BusyScope {
    public:
        explicit BusyScope(ChangeCycle& c) : c_(c) { ++c_.depth_; }
        ~BusyScope() { --c_.depth_; }
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
};

}  // namespace mov
