// The additional page: the Active Desktop radios and the report that cannot be changed.
#include "ui/prop_p3b.h"
#include "ui/resource.h"

PropP3b::PropP3b() : fw::CPropertyPage(IDD_PROP_P3) { KeepOnApply({&activeDeskTopMode}); }

void PropP3b::KeepReport() {
    report_ = Report{osKind, jpegAvailable, susiePlugIn, lhaAvailable, ieVersion, integrated};
}

void PropP3b::DoDataExchange(fw::DataExchange& dx) {
    dx.Radio(IDC_P3_BOTH, activeDeskTopMode);
    dx.Radio(IDC_P3_NT35, osKind);
    dx.Check(IDC_P3_JPEG, jpegAvailable);
    dx.Check(IDC_P3_SUSIE, susiePlugIn);
    dx.Check(IDC_P3_LHA, lhaAvailable);
    dx.Radio(IDC_P3_IE3, ieVersion);
    dx.Check(IDC_P3_INTEGRATED, integrated);
}

void PropP3b::OnCommand(UINT id, UINT code) {
    if (code != BN_CLICKED) return;
    switch (id) {
    case IDC_P3_BOTH: case IDC_P3_ACTIVE: case IDC_P3_STANDARD:
        // The choice is kept at once: Cancel after an Apply leaves the last one clicked.
        UpdateData(true);
        Snapshot();
        MarkModified();
        return;
    case IDC_P3_NT35: case IDC_P3_WIN9X: case IDC_P3_WIN2000: case IDC_P3_NT40:
    case IDC_P3_JPEG: case IDC_P3_SUSIE: case IDC_P3_IE3: case IDC_P3_IE4: case IDC_P3_LHA:
    case IDC_P3_IE5: case IDC_P3_IE55: case IDC_P3_IE6: case IDC_P3_INTEGRATED:
        // The report shows what the probe found, whatever is clicked.
        osKind = report_.osKind;
        jpegAvailable = report_.jpegAvailable;
        susiePlugIn = report_.susiePlugIn;
        lhaAvailable = report_.lhaAvailable;
        ieVersion = report_.ieVersion;
        integrated = report_.integrated;
        UpdateData(false);
        return;
    default:
        return;
    }
}

// Active Desktop can be chosen only with browser 4.72 to 5.5 integrated in the shell.
bool PropP3b::OnSetActive() {
    bool ok = fw::CPropertyPage::OnSetActive();
    bool usable = ieVersion >= 1 && ieVersion <= 3 && integrated;
    for (int id : {IDC_P3_BOTH, IDC_P3_ACTIVE, IDC_P3_STANDARD}) EnableWindow(GetDlgItem(hwnd(), id), usable);
    return ok;
}
