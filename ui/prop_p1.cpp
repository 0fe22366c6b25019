// The mode page: its exchange and the controls that mark it modified.
#include "ui/prop_p1.h"
#include "ui/resource.h"

// Cancel after an Apply puts these back; the fitting values are not among them.
CPropP1::CPropP1() : fw::CPropertyPage(IDD_PROP_P1) {
    KeepOnApply({&interval, &modify, &change, &placement, &tileLength, &tileHeight});
}

void CPropP1::DoDataExchange(fw::DataExchange& dx) {
    dx.Text(IDC_P1_INTERVAL, interval);
    dx.MinMax(IDC_P1_INTERVAL, interval, 0, 60);
    dx.Text(IDC_P1_TILE_LENGTH, tileLength);
    dx.MinMax(IDC_P1_TILE_LENGTH, tileLength, 0, 65535);
    dx.Text(IDC_P1_TILE_HEIGHT, tileHeight);
    dx.MinMax(IDC_P1_TILE_HEIGHT, tileHeight, 0, 65535);
    dx.Radio(IDC_P1_AUTO, change);
    dx.Radio(IDC_P1_CENTER, placement);
    dx.Radio(IDC_P1_FIT_NO, adjust);
    dx.Text(IDC_P1_AD_BEGIN, adBegin);
    dx.MinMax(IDC_P1_AD_BEGIN, adBegin, 0, 999);
    dx.Text(IDC_P1_AD_END, adEnd);
    dx.MinMax(IDC_P1_AD_END, adEnd, 0, 999);
    dx.Check(IDC_P1_MODIFY, modify);
    dx.Radio(IDC_P1_SMART_CENTER, smartPos);
}

// "ﾗﾝﾀﾞﾑ2" has no handler: choosing it alone leaves Apply as it is.
void CPropP1::OnCommand(UINT id, UINT code) {
    bool marks = false;
    switch (id) {
    case IDC_P1_AUTO: case IDC_P1_RAND: case IDC_P1_MANUAL:
    case IDC_P1_CENTER: case IDC_P1_TILE: case IDC_P1_AUTO_TILE: case IDC_P1_MODIFY:
    case IDC_P1_FIT_NO: case IDC_P1_FIT_YES: case IDC_P1_FIT_RANGE: case IDC_P1_FIT_SMART2:
    case IDC_P1_SMART_CENTER: case IDC_P1_SMART_RIGHT: case IDC_P1_SMART_LEFT:
        marks = code == BN_CLICKED;
        break;
    case IDC_P1_INTERVAL: case IDC_P1_TILE_LENGTH: case IDC_P1_TILE_HEIGHT:
    case IDC_P1_AD_BEGIN: case IDC_P1_AD_END:
        marks = code == EN_CHANGE;
        break;
    default:
        break;
    }
    if (marks) MarkModified();
}
