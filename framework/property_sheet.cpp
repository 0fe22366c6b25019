// Property sheet and pages: PROPSHEETPAGEA records pointing back at our page objects, and
// the page notices turned into virtual calls.
#include "framework/property_sheet.h"
#include <commctrl.h>
#include <cstring>
#include "framework/busy_period.h"
#include "framework/dialog_template.h"

namespace fw {
namespace {

// The font the sheet is made with: that of its first page, so the page sizes in dialog
// units mean the same on the sheet as on the pages and nothing is cut off.
DialogFont g_sheetFont;
bool g_haveSheetFont = false;

bool TemplateFont(HINSTANCE inst, UINT id, DialogFont& font) {
    HRSRC res = FindResourceA(inst, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));  // RT_DIALOG
    HGLOBAL mem = res ? LoadResource(inst, res) : nullptr;
    const void* data = mem ? LockResource(mem) : nullptr;
    if (!data) return false;
    return ReadDialogFont(static_cast<const uint8_t*>(data), SizeofResource(inst, res), font);
}

int CALLBACK SheetCallback(HWND, UINT msg, LPARAM lp) {
    if (msg != PSCB_PRECREATE || !g_haveSheetFont || !lp) return 0;
    // The system hands over its own copy of the sheet's template to change in place; the
    // rewritten one is used only when it fits in the bytes the old one took.
    auto* t = reinterpret_cast<uint8_t*>(lp);
    constexpr size_t kMaxTemplate = 64 * 1024;
    size_t size = DialogTemplateSize(t, kMaxTemplate);
    if (!size) return 0;
    std::vector<uint8_t> changed = WithDialogFont(t, size, g_sheetFont);
    if (!changed.empty() && changed.size() <= size) std::memcpy(t, changed.data(), changed.size());
    return 0;
}

}  // namespace

bool CPropertyPage::UpdateData(bool save) {
    if (!hwnd_) return false;
    DataExchange dx(hwnd_, save);
    showing_ = !save;
    DoDataExchange(dx);
    showing_ = false;
    return !dx.failed();
}

void CPropertyPage::SetModified(bool changed) {
    HWND sheet = hwnd_ ? GetParent(hwnd_) : nullptr;
    if (!sheet) return;
    SendMessageA(sheet, changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(hwnd_), 0);
}

void CPropertyPage::Snapshot() {
    saved_.clear();
    for (int* v : kept_) saved_.push_back(*v);
}

void CPropertyPage::MarkModified() {
    modified = 1;
    SetModified(true);
}

bool CPropertyPage::OnApply() {
    if (modified) {
        applied = 1;
        Snapshot();
        SetModified(false);
        modified = 0;
    }
    return true;
}

void CPropertyPage::OnReset() {
    if (!applied) return;
    for (size_t i = 0; i < kept_.size() && i < saved_.size(); ++i) *kept_[i] = saved_[i];
}

bool CPropertyPage::OnSetActive() {
    if (firstActive_) {
        firstActive_ = false;
        return true;
    }
    return UpdateData(false);
}

INT_PTR CPropertyPage::OnNotify(NMHDR* hdr) {
    LONG_PTR result = 0;
    switch (hdr->code) {
    case PSN_SETACTIVE:
        result = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        result = OnKillActive() ? FALSE : TRUE;
        break;
    case PSN_APPLY: {
        // The sheet closes after OK's notices and stays after Apply's; a later Cancel sends
        // PSN_RESET. So the last of these notices tells how it ended. (The notice's own flag
        // for OK is not set by the common controls of Windows 95 and NT 4.0.)
        const bool applied = OnApply();
        if (sheet_) sheet_->ok_ = applied;
        result = applied ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        break;
    }
    case PSN_RESET:
        if (sheet_) sheet_->ok_ = false;
        OnReset();
        break;
    default:
        return FALSE;
    }
    SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    CPropertyPage* self = nullptr;
    if (msg == WM_INITDIALOG) self = reinterpret_cast<CPropertyPage*>(reinterpret_cast<PROPSHEETPAGEA_V1*>(lp)->lParam);
    return Dispatch(w, msg, wp, lp, self);
}

INT_PTR CPropertyPage::DialogProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG:
        if (sheet_) sheet_->hwnd_ = GetParent(hwnd_);
        UpdateData(false);
        return TRUE;
    case WM_COMMAND:
        if (!showing_) OnCommand(LOWORD(wp), HIWORD(wp));
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<NMHDR*>(lp));
    default:
        return FALSE;
    }
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    page->sheet_ = this;
    pages_.push_back(page);
}

int CPropertySheet::DoModal(HINSTANCE inst) {
    // The common controls are loaded with the first sheet, not at start-up: under Wine their
    // load alone (theme images, fonts) costs the idle program some 1.6 MB. Once loaded the
    // library stays, for the classes it registered.
    static const HMODULE lib = LoadLibraryA("comctl32.dll");
    using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    using SheetFn = INT_PTR(WINAPI*)(LPCPROPSHEETHEADERA);
    auto init = lib ? reinterpret_cast<InitFn>(reinterpret_cast<void*>(GetProcAddress(lib, "InitCommonControlsEx")))
                    : nullptr;
    auto sheet = lib ? reinterpret_cast<SheetFn>(reinterpret_cast<void*>(GetProcAddress(lib, "PropertySheetA")))
                     : nullptr;
    if (!sheet) return IDCANCEL;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    if (init) init(&icc);
    // The first versions of the records: the common controls of Windows 95 and NT 4.0 refuse
    // the sheet when a size is not the one they know, and we use no later field.
    std::vector<PROPSHEETPAGEA_V1> psp(pages_.size());
    for (size_t i = 0; i < pages_.size(); ++i) {
        PROPSHEETPAGEA_V1& p = psp[i];
        p = PROPSHEETPAGEA_V1{};
        p.dwSize = sizeof p;
        p.dwFlags = PSP_DEFAULT;
        p.hInstance = inst;
        p.pszTemplate = MAKEINTRESOURCEA(pages_[i]->templateId_);
        p.pfnDlgProc = &CPropertyPage::PageProc;
        p.lParam = reinterpret_cast<LPARAM>(pages_[i]);
        pages_[i]->firstActive_ = true;
    }
    PROPSHEETHEADERA h{};
    h.dwSize = PROPSHEETHEADERA_V1_SIZE;
    h.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    h.pfnCallback = &SheetCallback;
    g_haveSheetFont = !pages_.empty() && TemplateFont(inst, pages_[0]->templateId_, g_sheetFont);
    h.hwndParent = parent_;
    h.hInstance = inst;
    h.pszCaption = caption_.c_str();
    h.nPages = static_cast<UINT>(psp.size());
    h.nStartPage = startPage_;
    h.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(psp.data());  // read as records of their own size
    ok_ = false;
    BusyPeriod busy;
    sheet(&h);
    hwnd_ = nullptr;
    return ok_ ? IDOK : IDCANCEL;
}

}  // namespace fw
