// The view: the list boxes, the countdown display and the buttons, the tray icon; it carries
// the engine and draws what the engine reports. Its commands live in the command table.
#pragma once
#include <memory>
#include <string>
#include "collection/folder_scan.h"
#include "engine/engine.h"
#include "framework/view.h"
#include "ui/command_table.h"
#include "ui/tray_icon.h"
#include "ui/view_parts.h"

class CMovani32Doc;

class CMovani32View : public fw::CView, public mov::EngineEvents {
public:
    bool OnCmdMsg(UINT id, bool execute) override;
    fw::WhileBusy CommandWhileBusy(UINT id) const override { return CommandTable::WhileBusyFor(id); }
    void OnInitialUpdate() override;

    CMovani32Doc* GetDocument() const;
    // Null before the first update.
    mov::Engine* engine() { return engine_.get(); }
    // What the commands act on.
    ViewParts parts();

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    // Ticks are dropped during a busy period; double clicks and the tray's buttons wait.
    fw::WhileBusy WhileBusyRule(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnDraw(HDC dc) override;

    // How the engine's reports look: a tray image, the document title (the caption).
    virtual void ShowTrayIcon(unsigned iconId);
    virtual void ShowTitle(const std::string& title);

private:
    void CreateControls();
    // Tray update with the current IconOn (see TrayIcon::Set).
    BOOL SetTrayIcon(UINT iconId, DWORD op);
    // The tray image for the current Change and WrightButton.
    UINT CurrentTrayIcon() const;

    // The engine's reports.
    void Changing() override;
    void ShowingPicture(const std::string& title) override { ShowTitle(title); }
    void ChangeEnded() override { ShowTrayIcon(CurrentTrayIcon()); }
    void SavedPictureSelected() override { ShowTitle("[Delay]"); }
    void PaperRemovedChanged(bool removed) override;
    void RunStateChanged(bool running) override;
    void CountingDown(int counter) override;
    void Blinking(bool changingPhase) override;
    void MaximizedWindowHolds(bool holds) override;

    TrayIcon tray_;
    bool trayReady_ = false;
    bool controlsMade_ = false;
    std::unique_ptr<mov::FolderScan> scan_;
    std::unique_ptr<mov::Engine> engine_;
    std::unique_ptr<CommandTable> commands_;
};
