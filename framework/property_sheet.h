// A modal property sheet on the system's PropertySheetA, with pages that exchange their
// values with their controls and follow the sheet's OK / Cancel / Apply notices.
#pragma once
#include <windows.h>
#include <string>
#include <vector>
#include "framework/data_exchange.h"

namespace fw {

class CPropertySheet;

class CPropertyPage {
public:
    explicit CPropertyPage(UINT templateId) : templateId_(templateId) {}
    virtual ~CPropertyPage() = default;
    CPropertyPage(const CPropertyPage&) = delete;
    CPropertyPage& operator=(const CPropertyPage&) = delete;

    HWND hwnd() const { return hwnd_; }
    UINT templateId() const { return templateId_; }

    // Values to controls (save false) or back (save true); false when a value was refused.
    bool UpdateData(bool save);
    // Tells the sheet whether this page has changes, which enables or disables Apply.
    void SetModified(bool changed);

protected:
    virtual void DoDataExchange(DataExchange& dx) { (void)dx; }
    // A control's notice (WM_COMMAND). Not called while values are being shown.
    virtual void OnCommand(UINT id, UINT code) { (void)id; (void)code; }
    // The page is shown; the default shows the values again after the first time.
    virtual bool OnSetActive();
    // The page is left, or Apply or OK was pressed: the values are read (false keeps it).
    virtual bool OnKillActive() { return UpdateData(true); }
    // Apply or OK reached this page.
    virtual bool OnApply() { return true; }
    // Cancel.
    virtual void OnReset() {}

private:
    friend class CPropertySheet;
    static INT_PTR CALLBACK DialogProc(HWND w, UINT msg, WPARAM wp, LPARAM lp);
    INT_PTR OnNotify(NMHDR* hdr);

    UINT templateId_;
    HWND hwnd_ = nullptr;
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
