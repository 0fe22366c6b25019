// Property page "Additional": the Active Desktop choice and a report of the start-up probe.
#pragma once
#include "framework/property_sheet.h"

class PropP3b : public fw::CPropertyPage {
public:
    PropP3b();

    int activeDeskTopMode = 0;
    // The probe's findings as shown; the user cannot change them.
    int osKind = 0;
    int jpegAvailable = 0;
    int susiePlugIn = 0;
    int lhaAvailable = 0;
    int ieVersion = 0;
    int integrated = 0;  // 1 when IntegratedBrowser is 1

    // Copies the report values from the fields above; a click on the report puts them back.
    void KeepReport();

protected:
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnCommand(UINT id, UINT code) override;
    bool OnSetActive() override;

private:
    struct Report {
        int osKind = 0, jpegAvailable = 0, susiePlugIn = 0, lhaAvailable = 0, ieVersion = 0, integrated = 0;
    } report_;
};
