// The view's notification-area icon: adds, changes or removes it as IconOn and the state ask.
#pragma once
#include <windows.h>
#include "settings/settings_record.h"

class TrayIcon {
public:
    static constexpr const char kTip[] = "MovAni32";

    // Shell restarts (and a taskbar that comes up after a hidden start) announce themselves
    // with this message to every top-level window.
    static UINT TaskbarCreatedMessage();
    // The image that tells the settings' state (Change and WrightButton).
    static UINT StateIcon(const mov::SettingsRecord& s);

    // `owner` receives the icon's mouse messages; the images come from `module`'s resources.
    void Attach(HWND owner, HINSTANCE module) { owner_ = owner; module_ = module; }
    // Taken from IconOn when the view is set up: whether the icon counts as shown.
    void SetShown(int iconOn) { shown_ = iconOn; }
    int shown() const { return shown_; }

    // Shows `iconId` with NIM_ADD, NIM_MODIFY or NIM_DELETE, or adds/deletes the icon when
    // IconOn changed since the last call. Returns the shell's result, or TRUE when IconOn
    // was and is off and the shell is left alone.
    BOOL Set(UINT iconId, DWORD op, int iconOn);
    // After the shell (re)started, when it holds no icon of ours: adds `iconId` if IconOn
    // is set. A start-up add that failed because there was no taskbar yet is made good here.
    BOOL Restore(UINT iconId, int iconOn);

    // Set while ticks are held by a maximised window (the held icon is showing); every update
    // that reaches the shell clears it so the next held tick shows that icon again.
    int maximizedPause = 0;

private:
    BOOL CallShell(DWORD op, UINT iconId);

    HWND owner_ = nullptr;
    HINSTANCE module_ = nullptr;
    int shown_ = 0;
};
