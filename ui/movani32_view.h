// The view: owns the lists, the countdown display and the buttons, and receives all commands.
#pragma once
#include "framework/view.h"
#include "ui/tray_icon.h"

class CMovani32Doc;

class CMovani32View : public fw::CView {
public:
    bool OnCmdMsg(UINT id, bool execute) override;
    void OnInitialUpdate() override;

    CMovani32Doc* GetDocument() const;
    // Tray update with the current IconOn (see TrayIcon::Set).
    BOOL SetTrayIcon(UINT iconId, DWORD op);
    // The tray image for the current Change and WrightButton.
    UINT CurrentTrayIcon() const;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    TrayIcon tray_;
    bool trayReady_ = false;
};
