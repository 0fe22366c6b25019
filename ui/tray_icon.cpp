// Shell_NotifyIconA with the classic record: window, id, message, icon and tip.
#include "ui/tray_icon.h"
#include "framework/busy_period.h"
#include <shellapi.h>
#include <cstddef>
#include <cstring>
#include "framework/handle.h"
#include "ui/resource.h"
#include "ui/tray_state.h"

static_assert(mov::kTrayAdd == NIM_ADD && mov::kTrayModify == NIM_MODIFY && mov::kTrayDelete == NIM_DELETE,
              "tray operations are the shell's");
static_assert((NIF_MESSAGE | NIF_ICON | NIF_TIP) == 7, "message, icon and tip");

namespace {
// The classic record every shell knows: fields up to a 64-byte tip (NOTIFYICONDATAA_V1_SIZE).
constexpr DWORD kRecordSize = static_cast<DWORD>(offsetof(NOTIFYICONDATAA, szTip) + 64);
#ifndef _WIN64
static_assert(kRecordSize == 88, "classic record size on 32-bit Windows");
#endif
}  // namespace

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT msg = RegisterWindowMessageA("TaskbarCreated");
    return msg;
}

UINT TrayIcon::StateIcon(const mov::SettingsRecord& s) {
    return static_cast<UINT>(mov::TrayIconForState(s.Change, s.WrightButton));
}

BOOL TrayIcon::Set(UINT iconId, DWORD op, int iconOn) {
    const mov::TrayStep step = mov::PlanTrayUpdate(shown_, iconOn, static_cast<mov::TrayOp>(op));
    if (!step.callShell) {
        shown_ = iconOn;
        return TRUE;
    }
    const BOOL result = CallShell(step.op, iconId);
    shown_ = iconOn;
    return result;
}

BOOL TrayIcon::Restore(UINT iconId, int iconOn) {
    shown_ = iconOn;
    return iconOn ? CallShell(NIM_ADD, iconId) : TRUE;
}

BOOL TrayIcon::CallShell(DWORD op, UINT iconId) {
    maximizedPause = 0;
    // A private copy at the small-icon size: the 16x16 image, and ours to destroy.
    fw::Icon icon(static_cast<HICON>(LoadImageA(module_, MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                                GetSystemMetrics(SM_CXSMICON),
                                                GetSystemMetrics(SM_CYSMICON), 0)));
    NOTIFYICONDATAA nid;
    std::memset(&nid, 0, sizeof nid);
    nid.cbSize = kRecordSize;
    nid.hWnd = owner_;
    nid.uID = ID_TRAY_ICON;
    nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    nid.uCallbackMessage = WM_TRAY_NOTIFY;
    nid.hIcon = icon.get();
    std::memcpy(nid.szTip, kTip, sizeof kTip);
    fw::BusyPeriod busy;  // the shell's answer lets messages sent meanwhile in
    return Shell_NotifyIconA(op, &nid);
}
