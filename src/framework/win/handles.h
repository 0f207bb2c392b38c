#pragma once
// Move-only owners of Windows handles. A leaked handle is a defect, so every handle the
// program takes lives in one of these.

#include <windows.h>

#include <utility>

namespace pipetto::win {

// Owns one handle and frees it with Free::operator() when it goes.
template <typename Handle, typename Free> class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(std::exchange(other.handle_, Handle{}));
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Handle{}; }
    Handle release() noexcept { return std::exchange(handle_, Handle{}); }
    void reset(Handle handle = Handle{}) noexcept {
        if (handle_ != Handle{})
            Free{}(handle_);
        handle_ = handle;
    }

  private:
    Handle handle_{};
};

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
struct DestroyWindowHandle {
    void operator()(HWND window) const noexcept { DestroyWindow(window); }
};
struct DestroyMenuHandle {
    void operator()(HMENU menu) const noexcept { DestroyMenu(menu); }
};
struct DeleteMemoryDC {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
struct DestroyCursorHandle {
    void operator()(HCURSOR cursor) const noexcept { DestroyCursor(cursor); }
};
struct UnhookHook {
    void operator()(HHOOK hook) const noexcept { UnhookWindowsHookEx(hook); }
};
struct FreeLibraryModule {
    void operator()(HMODULE module) const noexcept { FreeLibrary(module); }
};
struct CloseKernelHandle {
    void operator()(HANDLE object) const noexcept { CloseHandle(object); }
};

template <typename T> using GdiObject = UniqueHandle<T, DeleteGdiObject>;
using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Pen = GdiObject<HPEN>;
using WindowHandle = UniqueHandle<HWND, DestroyWindowHandle>;
using MenuHandle = UniqueHandle<HMENU, DestroyMenuHandle>;
using MemoryDC = UniqueHandle<HDC, DeleteMemoryDC>;
using HookHandle = UniqueHandle<HHOOK, UnhookHook>;
using CursorHandle = UniqueHandle<HCURSOR, DestroyCursorHandle>;
using LibraryHandle = UniqueHandle<HMODULE, FreeLibraryModule>;
// A kernel object: a mutex, a process. Null when there is none.
using KernelHandle = UniqueHandle<HANDLE, CloseKernelHandle>;

// A device context taken from a window with GetDC or GetWindowDC; it remembers the
// window it must be released to.
class WindowDC {
  public:
    enum class Area { client, whole_window };
    explicit WindowDC(HWND window, Area area = Area::client)
        : window_(window), dc_(area == Area::client ? GetDC(window) : GetWindowDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    WindowDC(WindowDC&& other) noexcept
        : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDC& operator=(WindowDC&&) = delete;
    ~WindowDC() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC for one scope and puts the old one back.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
    ~SelectedObject() {
        if (old_ && old_ != HGDI_ERROR)
            SelectObject(dc_, old_);
    }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintSession {
  public:
    explicit PaintSession(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    PaintSession(const PaintSession&) = delete;
    PaintSession& operator=(const PaintSession&) = delete;
    ~PaintSession() { EndPaint(window_, &paint_); }
    HDC dc() const noexcept { return dc_; }
    const RECT& area() const noexcept { return paint_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

} // namespace pipetto::win
