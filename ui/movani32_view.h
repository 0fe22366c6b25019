// The view: owns the lists, the countdown display and the buttons, and receives all commands.
#pragma once
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

    // The removal state on the "NoPaper" button and the system menu's entry of the frame.
    void PaperRemovedChanged(bool removed) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    TrayIcon tray_;
    bool trayReady_ = false;
};
