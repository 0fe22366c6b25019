// Document steps of the program: start-up probe and closing work are added here.
#include "collection/movani32_doc.h"
#include "collection/group_store.h"
#include "settings/settings_store.h"

bool CMovani32Doc::OnNewDocument() {
    if (!fw::CDocument::OnNewDocument()) return false;
    LoadSettings();
    return true;
}

// Positions first, then the groups, which are freed as they are written.
void CMovani32Doc::OnCloseDocument() {
    mov::SavePositions(groups, positions);
    mov::SaveGroupList(groups, 1);
    fw::CDocument::OnCloseDocument();
}

void CMovani32Doc::LoadSettings() { mov::LoadSettings(settings); }
void CMovani32Doc::SaveSettings() { mov::SaveSettings(settings); }
