// The remote control window (class TfrmMovRc2): thirteen buttons with hints and a popup menu.
#pragma once
#include "framework/handle.h"
#include "framework/window.h"
#include "remote/buttons.h"

class TAboutBox;

class TfrmMovRc2 : public fw::Wnd {
public:
    static constexpr char kClassName[] = "TfrmMovRc2";

    bool Create(HINSTANCE inst, HICON icon, HFONT font);
    // The About window the popup menu shows; it must outlive this window's use of it.
    void SetAboutBox(TAboutBox* about) { about_ = about; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void CreateButtons(HFONT font);
    void AddHints();
    void OnCommand(UINT id, UINT code, bool fromControl);
    void OnButton(int index);
    void ShowPopup(POINT screen);
    int ButtonIndex(HWND w) const;

    HWND buttons_[rc::kButtonCount] = {};
    HWND tooltip_ = nullptr;
    HWND lastFocus_ = nullptr;
    fw::Menu popup_;
    TAboutBox* about_ = nullptr;
};
