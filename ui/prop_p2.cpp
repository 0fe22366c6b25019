// The special page: its exchange, the controls that mark it modified, the JPEG enable rule.
#include "ui/prop_p2.h"
#include "ui/resource.h"

CPropP2::CPropP2() : fw::CPropertyPage(IDD_PROP_P2) {
    KeepOnApply({&inactive, &bmpSort, &wrightButton, &delayedAction});
}

void CPropP2::DoDataExchange(fw::DataExchange& dx) {
    dx.Check(IDC_P2_INACTIVE, inactive);
    dx.Check(IDC_P2_FRONT_MAX, frontMaxChange);
    dx.Check(IDC_P2_BMP_SORT, bmpSort);
    dx.Check(IDC_P2_DELAYED, delayedAction);
    dx.Check(IDC_P2_JPEG_READ, jpegRead);
    dx.Check(IDC_P2_TILE_RIGHT, tiledatRight);
    dx.Radio(IDC_P2_LIST_BOTH, scEnabled);
    dx.Radio(IDC_P2_BUTTONS_NO, wrightButton);
    dx.Check(IDC_P2_ICON_ON, iconOn);
}

// The list-contents radios have no handler.
void CPropP2::OnCommand(UINT id, UINT code) {
    switch (id) {
    case IDC_P2_BUTTONS_NO: case IDC_P2_BUTTONS_NEXT: case IDC_P2_BUTTONS_PREV: case IDC_P2_BUTTONS_INACT:
    case IDC_P2_BUTTONS_TILE: case IDC_P2_BUTTONS_HIDE: case IDC_P2_INACTIVE: case IDC_P2_BMP_SORT:
    case IDC_P2_DELAYED: case IDC_P2_JPEG_READ: case IDC_P2_TILE_RIGHT: case IDC_P2_FRONT_MAX:
    case IDC_P2_ICON_ON:
        if (code == BN_CLICKED) MarkModified();
        return;
    default:
        return;
    }
}

bool CPropP2::OnSetActive() {
    bool ok = fw::CPropertyPage::OnSetActive();
    EnableWindow(GetDlgItem(hwnd(), IDC_P2_JPEG_READ), jpegAvailable == 1);
    return ok;
}
