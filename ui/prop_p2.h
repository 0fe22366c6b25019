// Property page "Special": guards, what the file list takes, the tray buttons.
#pragma once
#include "framework/property_sheet.h"

class CPropP2 : public fw::CPropertyPage {
public:
    CPropP2();

    int inactive = 0;
    int bmpSort = 0;
    int wrightButton = 0;
    int delayedAction = 0;
    int scEnabled = 0;
    int jpegRead = 0;
    int tiledatRight = 0;
    int iconOn = 0;
    int frontMaxChange = 0;
    int jpegAvailable = 0;  // the JPEG check box is usable only with a reader

protected:
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnCommand(UINT id, UINT code) override;
    bool OnSetActive() override;
};
