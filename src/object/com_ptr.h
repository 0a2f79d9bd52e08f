// Small owning types for COM interface pointers and BSTRs.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <utility>

// Holds one reference to an interface; a raw Release() belongs only here.
template <class T>
class com_ptr {
public:
    com_ptr() noexcept = default;
    com_ptr(std::nullptr_t) noexcept {}
    // Takes over a reference the caller already owns.
    static com_ptr adopt(T* p) noexcept { com_ptr r; r.p_ = p; return r; }
    // Takes a new reference of its own.
    static com_ptr share(T* p) noexcept { if (p) p->AddRef(); return adopt(p); }

    com_ptr(const com_ptr& o) noexcept : p_(o.p_) { if (p_) p_->AddRef(); }
    com_ptr(com_ptr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
    com_ptr& operator=(com_ptr o) noexcept { std::swap(p_, o.p_); return *this; }
    ~com_ptr() { reset(); }

    void reset() noexcept { if (T* p = std::exchange(p_, nullptr)) p->Release(); }
    T* get() const noexcept { return p_; }
    T* operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }
    // Out-parameter slot; drops what was held before.
    T** put() noexcept { reset(); return &p_; }
    void** put_void() noexcept { return reinterpret_cast<void**>(put()); }
    // Gives the reference to the caller.
    T* detach() noexcept { return std::exchange(p_, nullptr); }

    template <class U>
    com_ptr<U> query(REFIID iid) const noexcept {
        com_ptr<U> r;
        if (p_) p_->QueryInterface(iid, r.put_void());
        return r;
    }

private:
    T* p_ = nullptr;
};

// Owns one BSTR (SysFreeString on destruction).
class bstr_ptr {
public:
    bstr_ptr() noexcept = default;
    explicit bstr_ptr(BSTR s) noexcept : s_(s) {}
    bstr_ptr(const bstr_ptr&) = delete;
    bstr_ptr& operator=(const bstr_ptr&) = delete;
    bstr_ptr(bstr_ptr&& o) noexcept : s_(std::exchange(o.s_, nullptr)) {}
    bstr_ptr& operator=(bstr_ptr&& o) noexcept { std::swap(s_, o.s_); return *this; }
    ~bstr_ptr() { SysFreeString(s_); }

    BSTR get() const noexcept { return s_; }
    BSTR* put() noexcept { SysFreeString(s_); s_ = nullptr; return &s_; }
    BSTR detach() noexcept { return std::exchange(s_, nullptr); }
    UINT length() const noexcept { return SysStringLen(s_); }

private:
    BSTR s_ = nullptr;
};

// An EXCEPINFO whose strings are freed on destruction.
struct excep_info : EXCEPINFO {
    excep_info() noexcept : EXCEPINFO{} {}
    excep_info(const excep_info&) = delete;
    excep_info& operator=(const excep_info&) = delete;
    ~excep_info() {
        SysFreeString(bstrSource);
        SysFreeString(bstrDescription);
        SysFreeString(bstrHelpFile);
    }
};
