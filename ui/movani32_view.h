// The view: owns the lists, the countdown display and the buttons, the timer and the tray
// icon, and receives all commands.
#pragma once
#include <memory>
#include <string>
#include <vector>
#include "collection/folder_scan.h"
#include "engine/change_cycle.h"
#include "engine/desktop_report.h"
#include "engine/engine_state.h"
#include "engine/wallpaper_timer.h"
#include "framework/view.h"
#include "ui/command_rules.h"
#include "ui/tray_icon.h"

class CMovani32Doc;

// The state the timer and the commands share (timerId, countdown, forced, ...) is the
// engine's, carried here in memory only.
class CMovani32View : public fw::CView,
                      public mov::EngineState,
                      protected mov::EngineHost,
                      public mov::DesktopReport {
public:
    bool OnCmdMsg(UINT id, bool execute) override;
    void OnInitialUpdate() override;

    CMovani32Doc* GetDocument() const;
    // Tray update with the current IconOn (see TrayIcon::Set).
    BOOL SetTrayIcon(UINT iconId, DWORD op);
    // The tray image for the current Change and WrightButton.
    UINT CurrentTrayIcon() const;
    mov::FolderScan* folderScan() { return scan_.get(); }
    // A change, a tick or a drop is under way (and may be waiting on another process or a
    // message box).
    bool Busy() const { return cycle_ && cycle_->Busy(); }
    // While busy: keeps the message for `target`, to be posted once when the outermost busy
    // period ends, and returns true. Otherwise false: the caller runs it now.
    bool DeferWhileBusy(HWND target, UINT msg, WPARAM wp, LPARAM lp);
    // The change cycle, for a caller that is busy itself (a drop); null before the first update.
    mov::ChangeCycle* changeCycle() { return cycle_.get(); }
    // One change cycle: shows the current position.
    void RunChangeCycle() {
        if (cycle_) cycle_->Run();
    }

    // The removal state on the "NoPaper" button and the system menu's entry of the frame.
    void PaperRemovedChanged(bool removed) override;
protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnDraw(HDC dc) override;

    // The engine's report to the view.
    void ShowTrayIcon(unsigned iconId) override;
    unsigned StateTrayIcon() override { return CurrentTrayIcon(); }
    int MaximizedPause() override { return tray_.maximizedPause; }
    void SetMaximizedPause(int value) override { tray_.maximizedPause = value; }
    void ShowTitle(const std::string& title) override;
    void ShowCountdown(const std::string& text) override;

private:
    void CreateControls();
    void OnTimer(UINT_PTR id);
    // Commands that touch the engine wait while a change is under way.
    bool QueuedWhileBusy(WPARAM wp, LPARAM lp);
    void RunEngineCommand(UINT id);
    // Stop/go: the change mode, the remembered mode and the three indicators.
    void SetRunModes(const mov::RunModes& modes);
    void ShowRunState();
    void OnNoPaper();
    void OnHideForm();
    void OnExit();
    void OnDeleteGroup();
    void OnListDoubleClick(UINT listId);
    void OnTrayNotify(UINT mouseEvent);
    void RunTrayButton(bool left);
    void ShowTrayMenu();
    void ShowAboutBox();
    void OpenManual();

    TrayIcon tray_;
    bool trayReady_ = false;
    bool controlsMade_ = false;
    std::unique_ptr<mov::FolderScan> scan_;
    void MakeEngine();

    mov::FitOverride fit_;
    std::unique_ptr<mov::DesktopWriter> writer_;
    std::unique_ptr<mov::ChangeCycle> cycle_;
    std::unique_ptr<mov::WallpaperTimer> timer_;

    // Posted again, each once, when the busy period ends. Re-posting them at once instead
    // would hand them straight back to a message box's loop, which then never gets to
    // mouse input or timers.
    struct Deferred {
        HWND target;
        UINT msg;
        WPARAM wp;
        LPARAM lp;
    };
    std::vector<Deferred> deferred_;
    void PostDeferred();
};
