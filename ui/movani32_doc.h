// The program's document: the settings, the groups and the positions live here.
#pragma once
#include "collection/group_list.h"
#include "collection/positions.h"
#include "framework/document.h"
#include "settings/settings_record.h"

class CMovani32Doc : public fw::CDocument {
public:
    bool OnNewDocument() override;
    void OnCloseDocument() override;
    void OnEndSession() override;

    // The settings record in the registry (Mode, Special and Additional keys).
    void LoadSettings();
    void SaveSettings();

    mov::SettingsRecord settings;
    // The registered groups (mirrored in the view's group list box) and the positions in them.
    mov::GroupList groups;
    mov::Positions positions;

private:
    // The closing work: desktop values back, positions and groups saved, the list freed.
    void SaveAndRelease();
    // What the closing work writes, with the groups kept.
    void SaveAll();
    bool opened_ = false;
    bool savedForSessionEnd_ = false;
};
