// Exchange of integers, radio groups and check boxes between page values and controls.
#include "framework/data_exchange.h"
#include "framework/busy_period.h"
#include <string>
#include <vector>
#include "framework/dialog_int.h"

namespace fw {
namespace {

bool IsRadio(HWND w) {
    char cls[16] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpiA(cls, "Button") != 0) return false;
    LONG_PTR type = GetWindowLongPtrA(w, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

std::string WindowText(HWND w) {
    int n = GetWindowTextLengthA(w);
    std::vector<char> buf(static_cast<size_t>(n > 0 ? n : 0) + 1, '\0');
    GetWindowTextA(w, buf.data(), static_cast<int>(buf.size()));
    return std::string(buf.data());
}

}  // namespace

void DataExchange::Fail(int id, const char* text) {
    failed_ = true;
    // The sheet (or the dialog itself) owns the box; its caption is the box's caption.
    HWND owner = GetParent(dlg_) ? GetParent(dlg_) : dlg_;
    std::string caption = WindowText(owner);
    ShowMessageBox(owner, text, caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
    if (HWND field = GetDlgItem(dlg_, id)) {
        SetFocus(field);
        SendMessageA(field, EM_SETSEL, 0, -1);
    }
}

void DataExchange::Text(int id, int& value) {
    if (failed_) return;
    HWND field = GetDlgItem(dlg_, id);
    if (!save_) {
        std::string text = std::to_string(value);
        // Only a real change is written, so the field sends no needless change notice.
        if (field && WindowText(field) != text) SetWindowTextA(field, text.c_str());
        return;
    }
    int parsed = 0;
    if (!ParseDialogInt(field ? WindowText(field) : std::string(), parsed)) {
        Fail(id, NotAnIntegerText().c_str());
        return;
    }
    value = parsed;
}

void DataExchange::MinMax(int id, int value, int low, int high) {
    if (failed_ || !save_) return;
    if (value < low || value > high) Fail(id, IntRangeText(low, high).c_str());
}

void DataExchange::Radio(int firstId, int& value) {
    if (failed_) return;
    HWND w = GetDlgItem(dlg_, firstId);
    if (save_) value = -1;
    int index = 0;
    // The group runs from its first button to the next control that starts a group.
    for (bool first = true; w; w = GetWindow(w, GW_HWNDNEXT), first = false) {
        if (!first && (GetWindowLongPtrA(w, GWL_STYLE) & WS_GROUP)) break;
        if (!IsRadio(w)) continue;
        if (save_) {
            if (SendMessageA(w, BM_GETCHECK, 0, 0) == BST_CHECKED) value = index;
        } else {
            SendMessageA(w, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++index;
    }
}

void DataExchange::Check(int id, int& value) {
    if (failed_) return;
    if (save_)
        value = IsDlgButtonChecked(dlg_, id) == BST_CHECKED ? 1 : 0;
    else
        CheckDlgButton(dlg_, id, value ? BST_CHECKED : BST_UNCHECKED);
}

}  // namespace fw
