// Active Desktop through COM: options, wallpaper and apply, as the shell expects them.
#include "engine/active_desktop.h"
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <wininet.h>
#include <shlobj.h>
#include <shlguid.h>
#include "framework/busy_period.h"

namespace mov {
namespace {

const CLSID kClsidActiveDesktop = {0x75048700, 0xef1f, 0x11d0, {0x98, 0x88, 0x00, 0x60, 0x97, 0xde, 0xac, 0xf9}};
const IID kIidActiveDesktop = {0xf490eb00, 0x1240, 0x11d1, {0x98, 0x88, 0x00, 0x60, 0x97, 0xde, 0xac, 0xf9}};

// A BSTR of `text` converted from the ANSI code page; null when it cannot be made.
BSTR WideOf(const std::string& text) {
    int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    BSTR b = SysAllocStringLen(nullptr, static_cast<UINT>(n));
    if (!b) return nullptr;
    if (n > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), b, n);
    return b;
}

}  // namespace

ActiveDesktop::ActiveDesktop() {
    void* p = nullptr;
    if (SUCCEEDED(CoCreateInstance(kClsidActiveDesktop, nullptr, CLSCTX_INPROC_SERVER, kIidActiveDesktop, &p)))
        obj_ = static_cast<IActiveDesktop*>(p);
}

ActiveDesktop::~ActiveDesktop() {
    if (obj_) obj_->Release();
}

void ActiveDesktop::SetWallpaper(int style, const std::string& path) {
    if (!obj_) return;
    fw::BusyPeriod busy;  // the shell's refresh answers late
    WALLPAPEROPT opt;
    opt.dwSize = sizeof opt;
    opt.dwStyle = static_cast<DWORD>(style);
    obj_->SetWallpaperOptions(&opt, 0);
    BSTR wide = WideOf(path);
    if (wide) {
        obj_->SetWallpaper(wide, 0);
        SysFreeString(wide);
    }
    obj_->ApplyChanges(AD_APPLY_HTMLGEN | AD_APPLY_REFRESH | AD_APPLY_FORCE);
}

void ActiveDesktop::ClearWallpaper() {
    if (!obj_) return;
    fw::BusyPeriod busy;
    BSTR empty = SysAllocStringLen(nullptr, 0);
    obj_->SetWallpaper(empty ? empty : L"", 0);
    if (empty) SysFreeString(empty);
    obj_->ApplyChanges(AD_APPLY_HTMLGEN | AD_APPLY_REFRESH);
}

}  // namespace mov
