// Document steps of the program: the start-up probe and the closing work, which reach into
// the settings, the collection and the desktop writer.
#include "ui/movani32_doc.h"
#include "collection/group_store.h"
#include "engine/desktop_writer.h"
#include "framework/frame.h"
#include "settings/environment_probe.h"
#include "settings/settings_store.h"

// The probe asks its questions before the main window is shown, so they have no owner.
// A renewal (new or open) first hands everything back as closing does: the view's initial
// update then loads the groups again from the registry, so none is lost or doubled, and the
// probe finds the desktop as it was at start-up.
bool CMovani32Doc::OnNewDocument() {
    if (!fw::CDocument::OnNewDocument()) return false;
    if (opened_) SaveAndRelease();
    opened_ = true;
    mov::ProbeUi ui;
    if (GetFrame() && !GetFrame()->GetAppTitle().empty()) ui.caption = GetFrame()->GetAppTitle();
    mov::RunEnvironmentProbe(settings, ui);  // ends with LoadSettings
    return true;
}

// The desktop's start-up values go back first; then the positions, then the groups, which
// are freed as they are written (so the group values follow Count).
void CMovani32Doc::OnCloseDocument() {
    SaveAndRelease();
    fw::CDocument::OnCloseDocument();
}

// A log-off during a change or inside a drop's box: the groups registered so far are saved,
// and the list stays for the code under way.
void CMovani32Doc::OnEndSession() {
    if (savedForSessionEnd_) return;
    SaveAll();
    savedForSessionEnd_ = true;
}

void CMovani32Doc::SaveAll() {
    mov::RestoreDesktop(settings);
    mov::SavePositions(groups, positions);
    mov::SaveGroupList(groups, false);
}

void CMovani32Doc::SaveAndRelease() {
    if (!savedForSessionEnd_) SaveAll();
    savedForSessionEnd_ = false;
    while (!groups.empty()) groups.Remove(groups.size() - 1);
}

void CMovani32Doc::LoadSettings() { mov::LoadSettings(settings); }
void CMovani32Doc::SaveSettings() { mov::SaveSettings(settings); }
