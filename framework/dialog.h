// Base of our dialogs: binds the C++ object to its HWND at WM_INITDIALOG (DWLP_USER) and
// forwards every message to one virtual handler; the binding ends with WM_NCDESTROY.
#pragma once
#include <windows.h>

namespace fw {

class Dialog {
public:
    Dialog() = default;
    virtual ~Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    HWND hwnd() const { return hwnd_; }

    // Runs the dialog of resource `templateId` modally; returns what was given to
    // EndDialog, or -1 when the dialog could not be made.
    INT_PTR DoModal(HINSTANCE inst, UINT templateId, HWND owner);

protected:
    // TRUE for a message handled here; FALSE leaves it to the system's dialog manager.
    virtual INT_PTR DialogProc(UINT msg, WPARAM wp, LPARAM lp) = 0;
    // Binds `self` when given (at WM_INITDIALOG) and forwards to its DialogProc.
    static INT_PTR Dispatch(HWND w, UINT msg, WPARAM wp, LPARAM lp, Dialog* self);

    HWND hwnd_ = nullptr;

private:
    // For dialogs whose creation parameter is the object itself.
    static INT_PTR CALLBACK StaticProc(HWND w, UINT msg, WPARAM wp, LPARAM lp);
};

}  // namespace fw
