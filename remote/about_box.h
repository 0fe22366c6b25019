// The About window (class TAboutBox): built hidden at start, shown modally on demand.
#pragma once
#include "framework/handle.h"
#include "framework/window.h"

class TAboutBox : public fw::Wnd {
public:
    static constexpr char kClassName[] = "TAboutBox";

    // Creates the hidden window, owned by `owner`, in the form font `font`.
    bool Create(HINSTANCE inst, HWND owner, HICON icon, HFONT font);
    // Shows it centred on the screen with the owner disabled; returns the modal result
    // (IDOK from the OK button, IDCANCEL from the close box or Escape).
    int ShowModal();

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void CentreOnScreen();

    HICON icon_ = nullptr;
    fw::Font noteFont_;
};
