// Owning wrappers for Win32 handles: closed in the destructor, movable, never copied.
// An HWND is not wrapped: Windows owns windows; we only hold views of them. Header-only,
// so the shipped libraries and test tools use it without linking the framework.
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

private:
    value_type h_;
};

// Handles whose only invalid value is null, closed by `Close`.
template <class T, auto Close>
struct NullIsInvalid {
    using type = T;
    static type invalid() { return nullptr; }
    static bool valid(type h) { return h != nullptr; }
    static void close(type h) { Close(h); }
};
// HANDLE has two invalid values: null, and INVALID_HANDLE_VALUE from CreateFile and FindFirstFile.
template <auto Close>
struct EitherIsInvalid {
    using type = HANDLE;
    static type invalid() { return INVALID_HANDLE_VALUE; }
    static bool valid(type h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void close(type h) { Close(h); }
};

using Handle = UniqueHandle<EitherIsInvalid<&CloseHandle>>;    // files, processes, threads
using FindHandle = UniqueHandle<EitherIsInvalid<&FindClose>>;  // FindFirstFile
using Key = UniqueHandle<NullIsInvalid<HKEY, &RegCloseKey>>;
using Menu = UniqueHandle<NullIsInvalid<HMENU, &DestroyMenu>>;
using Icon = UniqueHandle<NullIsInvalid<HICON, &DestroyIcon>>;
using Bitmap = UniqueHandle<NullIsInvalid<HBITMAP, &DeleteObject>>;
using Module = UniqueHandle<NullIsInvalid<HMODULE, &FreeLibrary>>;  // LoadLibrary, LoadLibraryEx
using Font = UniqueHandle<NullIsInvalid<HFONT, &DeleteObject>>;

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
private:
    HWND w_;
    HDC dc_;
    PAINTSTRUCT ps_{};
};

// SelectObject, undone when the scope ends.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~SelectGuard() { if (old_ && old_ != HGDI_ERROR) SelectObject(dc_, old_); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
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
