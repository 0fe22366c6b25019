// The view: owns the lists, the countdown display and the buttons, the timer and the tray
// icon, and receives all commands.
#pragma once
#include <memory>
#include "collection/folder_scan.h"
#include "engine/desktop_report.h"
#include "framework/view.h"
#include "ui/tray_icon.h"

class CMovani32Doc;

class CMovani32View : public fw::CView, public mov::DesktopReport {
public:
    bool OnCmdMsg(UINT id, bool execute) override;
    void OnInitialUpdate() override;

    CMovani32Doc* GetDocument() const;
    // Tray update with the current IconOn (see TrayIcon::Set).
    BOOL SetTrayIcon(UINT iconId, DWORD op);
    // The tray image for the current Change and WrightButton.
    UINT CurrentTrayIcon() const;
    mov::FolderScan* folderScan() { return scan_.get(); }
    // Shows the current position: the change cycle plugs in here.
    void RunChangeCycle() {}

    // State the timer and the commands share (in memory only).
    UINT_PTR timerId = 0;
    UINT timerPeriod = 10000;  // ms
    int countdown = -1;        // ticks left; 1 changes, -1 starts over, -2 is stopped
    int reload = 0;            // Interval * 6 + 9
    int forced = 0;
    int delayedStart = 0;
    int rememberedMode = 0;    // the change mode before a stop
    int screenSaverEnabled = 0;
    // The removal state on the "NoPaper" button and the system menu's entry of the frame.
    void PaperRemovedChanged(bool removed) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnDraw(HDC dc) override;

private:
    void CreateControls();
    void OnTimer(UINT_PTR id);
    void ShowAboutBox();
    void OpenManual();

    TrayIcon tray_;
    bool trayReady_ = false;
    bool controlsMade_ = false;
    std::unique_ptr<mov::FolderScan> scan_;
};
