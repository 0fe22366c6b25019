// Property page "ﾓｰﾄﾞ": change mode, interval, placement and fitting.
#pragma once
#include "framework/property_sheet.h"

class CPropP1 : public fw::CPropertyPage {
public:
    CPropP1();

    // Page values, filled before the sheet opens and read when it closes.
    int modify = 0;
    int interval = 0;
    int change = 0;
    int placement = 0;  // 0 centre, 1 tile, 2 automatic
    int tileLength = 0;
    int tileHeight = 0;
    int adjust = 0;
    int smartPos = 0;
    int adBegin = 0;
    int adEnd = 0;

protected:
    void DoDataExchange(fw::DataExchange& dx) override;
    void OnCommand(UINT id, UINT code) override;
};
