// A modal property sheet on the system's PropertySheetA, with pages that exchange their
// values with their controls and follow the sheet's OK / Cancel / Apply notices.
#pragma once
#include <windows.h>
#include <initializer_list>
#include <string>
#include <vector>
#include "framework/data_exchange.h"
#include "framework/dialog.h"

namespace fw {

class CPropertySheet;

class CPropertyPage : public Dialog {
public:
    explicit CPropertyPage(UINT templateId) : templateId_(templateId) {}

    UINT templateId() const { return templateId_; }

    // Values to controls (save false) or back (save true); false when a value was refused.
    bool UpdateData(bool save);
    // Tells the sheet whether this page has changes, which enables or disables Apply.
    void SetModified(bool changed);

    // 1 once the user changed something since the last Apply.
    int modified = 0;
    // 1 once Apply took a change: the sheet's owner takes this page even after Cancel.
    int applied = 0;

protected:
    // The values Cancel puts back after an Apply: they are copied at each Apply that takes
    // a change. Pages name them once, in their constructor.
    void KeepOnApply(std::initializer_list<int*> values) { kept_.assign(values); }
    // Copies the kept values now.
    void Snapshot();
    // A control changed a value: Apply becomes usable.
    void MarkModified();

    virtual void DoDataExchange(DataExchange& dx) { (void)dx; }
    // A control's notice (WM_COMMAND). Not called while values are being shown.
    virtual void OnCommand(UINT id, UINT code) { (void)id; (void)code; }
    // The page is shown; the default shows the values again after the first time.
    virtual bool OnSetActive();
    // The page is left, or Apply or OK was pressed: the values are read (false keeps it).
    virtual bool OnKillActive() { return UpdateData(true); }
    // Apply or OK reached this page: a change is taken and its values kept.
    virtual bool OnApply();
    // Cancel: the values kept at the last Apply come back.
    virtual void OnReset();
    INT_PTR DialogProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    friend class CPropertySheet;
    // Binds the page, whose object the sheet's page record carries.
    static INT_PTR CALLBACK PageProc(HWND w, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR OnNotify(NMHDR* hdr);

    UINT templateId_;
    std::vector<int*> kept_;
    std::vector<int> saved_;
    CPropertySheet* sheet_ = nullptr;
    bool firstActive_ = true;
    bool showing_ = false;  // values are being written to the controls
};

class CPropertySheet {
public:
    // `caption` heads the sheet; `parent` may be null; `startPage` is the page shown first.
    CPropertySheet(std::string caption, HWND parent, UINT startPage = 0)
        : caption_(std::move(caption)), parent_(parent), startPage_(startPage) {}

    void AddPage(CPropertyPage* page);
    // Runs the sheet; IDOK when it was closed with OK, IDCANCEL otherwise.
    int DoModal(HINSTANCE inst);

    // The sheet window while it runs.
    HWND hwnd() const { return hwnd_; }

private:
    friend class CPropertyPage;

    std::string caption_;
    HWND parent_;
    UINT startPage_;
    std::vector<CPropertyPage*> pages_;
    HWND hwnd_ = nullptr;
    bool ok_ = false;
};

}  // namespace fw
