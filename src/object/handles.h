// Small owning types for platform handles: each closes its handle exactly once.
#pragma once

#include <windows.h>

#include <utility>

// Owns one handle of type H, closed by Close when it is not null.
template <class H, auto Close>
class unique_handle {
public:
    unique_handle() noexcept = default;
    explicit unique_handle(H h) noexcept : h_(h) {}
    unique_handle(const unique_handle&) = delete;
    unique_handle& operator=(const unique_handle&) = delete;
    unique_handle(unique_handle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    unique_handle& operator=(unique_handle&& o) noexcept {
        if (this != &o) reset(std::exchange(o.h_, nullptr));
        return *this;
    }
    ~unique_handle() { reset(); }

    void reset(H h = nullptr) noexcept {
        if (H old = std::exchange(h_, h)) Close(old);
    }
    H get() const noexcept { return h_; }
    H release() noexcept { return std::exchange(h_, nullptr); }
    explicit operator bool() const noexcept { return h_ != nullptr; }

private:
    H h_ = nullptr;
};

using kernel_handle = unique_handle<HANDLE, CloseHandle>;
using gdi_bitmap = unique_handle<HBITMAP, DeleteObject>;
using gdi_font = unique_handle<HFONT, DeleteObject>;
using gdi_brush = unique_handle<HBRUSH, DeleteObject>;
using gdi_pen = unique_handle<HPEN, DeleteObject>;
using memory_dc = unique_handle<HDC, DeleteDC>;

// An object selected into a device context, selected out again on destruction.
class dc_selection {
public:
    dc_selection() noexcept = default;
    dc_selection(HDC dc, HGDIOBJ object) noexcept : dc_(dc), old_(SelectObject(dc, object)) {}
    dc_selection(const dc_selection&) = delete;
    dc_selection& operator=(const dc_selection&) = delete;
    dc_selection(dc_selection&& o) noexcept
        : dc_(std::exchange(o.dc_, nullptr)), old_(std::exchange(o.old_, nullptr)) {}
    dc_selection& operator=(dc_selection&& o) noexcept {
        if (this != &o) {
            reset();
            dc_ = std::exchange(o.dc_, nullptr);
            old_ = std::exchange(o.old_, nullptr);
        }
        return *this;
    }
    ~dc_selection() { reset(); }

    void reset() noexcept {
        if (dc_ && old_) SelectObject(dc_, old_);
        dc_ = nullptr;
        old_ = nullptr;
    }

private:
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// A window's device context (the screen's for no window) for the length of a scope.
class window_dc {
public:
    explicit window_dc(HWND window = nullptr) noexcept : window_(window), dc_(GetDC(window)) {}
    window_dc(const window_dc&) = delete;
    window_dc& operator=(const window_dc&) = delete;
    ~window_dc() { if (dc_) ReleaseDC(window_, dc_); }
    HDC get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};
using screen_dc = window_dc;

// Painting a window from WM_PAINT: BeginPaint now, EndPaint at the end of the scope.
class window_paint {
public:
    explicit window_paint(HWND window) noexcept : window_(window), dc_(BeginPaint(window, &paint_)) {}
    window_paint(const window_paint&) = delete;
    window_paint& operator=(const window_paint&) = delete;
    ~window_paint() { EndPaint(window_, &paint_); }
    HDC dc() const noexcept { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_ = {};
    HDC dc_;
};
