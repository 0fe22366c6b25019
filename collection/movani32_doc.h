// The program's document: the settings, the groups and the positions live here.
#pragma once
#include "framework/document.h"
#include "settings/settings_record.h"

class CMovani32Doc : public fw::CDocument {
public:
    bool OnNewDocument() override;
    void OnCloseDocument() override;

    // The settings record in the registry (Mode, Special and Additional keys).
    void LoadSettings();
    void SaveSettings();

    mov::SettingsRecord settings;
};
