// Owning wrappers for Win32 handles: closed in the destructor, movable, never copied.
// An HWND is not wrapped: Windows owns windows; we only hold views of them.
#pragma once
#include <windows.h>
#include <objbase.h>
#include <utility>

namespace fw {

template <class Traits>
class UniqueHandle {
public:
    using value_type = typename Traits::type;

    UniqueHandle() noexcept : h_(Traits::invalid()) {}
    explicit UniqueHandle(value_type h) noexcept : h_(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& o) noexcept : h_(o.release()) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) reset(o.release());
        return *this;
    }

    value_type get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return Traits::valid(h_); }
    value_type release() noexcept { return std::exchange(h_, Traits::invalid()); }
    void reset(value_type h = Traits::invalid()) noexcept {
        if (Traits::valid(h_)) Traits::close(h_);
        h_ = h;
    }
    // For out-parameters: closes what is held and hands out the slot.
    value_type* put() noexcept { reset(); return &h_; }

private:
    value_type h_;
};

struct KernelHandleTraits {  // both invalid values of HANDLE
    using type = HANDLE;
    static type invalid() { return nullptr; }
    static bool valid(type h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void close(type h) { CloseHandle(h); }
};
struct FindHandleTraits {
    using type = HANDLE;
    static type invalid() { return INVALID_HANDLE_VALUE; }
    static bool valid(type h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void close(type h) { FindClose(h); }
};
struct KeyTraits {
    using type = HKEY;
    static type invalid() { return nullptr; }
    static bool valid(type h) { return h != nullptr; }
    static void close(type h) { RegCloseKey(h); }
};
struct MenuTraits {
    using type = HMENU;
    static type invalid() { return nullptr; }
    static bool valid(type h) { return h != nullptr; }
    static void close(type h) { DestroyMenu(h); }
};
struct IconTraits {
    using type = HICON;
    static type invalid() { return nullptr; }
    static bool valid(type h) { return h != nullptr; }
    static void close(type h) { DestroyIcon(h); }
};
template <class G>
struct GdiTraits {
    using type = G;
    static type invalid() { return nullptr; }
    static bool valid(type h) { return h != nullptr; }
    static void close(type h) { DeleteObject(h); }
};
struct MemDcTraits {  // from CreateCompatibleDC / CreateDC
    using type = HDC;
    static type invalid() { return nullptr; }
    static bool valid(type h) { return h != nullptr; }
    static void close(type h) { DeleteDC(h); }
};
struct ModuleTraits {  // from LoadLibrary / LoadLibraryEx
    using type = HMODULE;
    static type invalid() { return nullptr; }
    static bool valid(type h) { return h != nullptr; }
    static void close(type h) { FreeLibrary(h); }
};

using Handle = UniqueHandle<KernelHandleTraits>;
using FindHandle = UniqueHandle<FindHandleTraits>;
using Menu = UniqueHandle<MenuTraits>;
using Icon = UniqueHandle<IconTraits>;
using Bitmap = UniqueHandle<GdiTraits<HBITMAP>>;
using Brush = UniqueHandle<GdiTraits<HBRUSH>>;
using Pen = UniqueHandle<GdiTraits<HPEN>>;
using Font = UniqueHandle<GdiTraits<HFONT>>;
using MemDc = UniqueHandle<MemDcTraits>;
using Module = UniqueHandle<ModuleTraits>;

// GetDC / ReleaseDC pair.
class WindowDc {
public:
    explicit WindowDc(HWND w) : w_(w), dc_(GetDC(w)) {}
    ~WindowDc() { if (dc_) ReleaseDC(w_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
private:
    HWND w_;
    HDC dc_;
};

// BeginPaint / EndPaint pair.
class PaintDc {
public:
    explicit PaintDc(HWND w) : w_(w) { dc_ = BeginPaint(w, &ps_); }
    ~PaintDc() { EndPaint(w_, &ps_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }
    const PAINTSTRUCT& info() const { return ps_; }
private:
    HWND w_;
    HDC dc_;
    PAINTSTRUCT ps_{};
};

// SelectObject that puts the previous object back when it goes out of scope.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~SelectGuard() { if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    HGDIOBJ previous() const { return old_; }
private:
    HDC dc_;
    HGDIOBJ old_;
};

// CoInitialize for a span of work, as a single-threaded apartment.
class ComScope {
public:
    ComScope() : hr_(CoInitialize(nullptr)) {}
    ~ComScope() { if (SUCCEEDED(hr_)) CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    bool ok() const { return SUCCEEDED(hr_); }
private:
    HRESULT hr_;
};

}  // namespace fw
