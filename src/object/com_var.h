// com_var: the value class that owns one VARIANT, with the host's conversion rules.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <dispex.h>

#include <string>

class com_var {
public:
    com_var() noexcept { VariantInit(&v); }
    // Copies the variant; a reference to a variant is followed one level.
    explicit com_var(const VARIANT& src);
    // A string value holding narrow text (up to len bytes, or up to the NUL).
    explicit com_var(const char* text, int len = -1);
    explicit com_var(const std::string& text);
    explicit com_var(double d) noexcept { VariantInit(&v); v.vt = VT_R8; v.dblVal = d; }
    explicit com_var(bool b) noexcept { VariantInit(&v); v.vt = VT_BOOL; v.boolVal = b ? VARIANT_TRUE : VARIANT_FALSE; }
    // A VT_DISPATCH value taking a new reference to the interface.
    explicit com_var(IDispatch* d) noexcept;

    com_var(const com_var& o);
    com_var(com_var&& o) noexcept { v = o.v; VariantInit(&o.v); }
    com_var& operator=(const com_var& o);
    com_var& operator=(com_var&& o) noexcept;
    virtual ~com_var() { VariantClear(&v); }

    void clear() noexcept { VariantClear(&v); }
    VARTYPE type() const noexcept { return V_VT(&v); }
    bool empty() const noexcept { return V_VT(&v) == VT_EMPTY; }
    // Replaces the value with a copy of src (a reference to a variant is followed).
    void assign(const VARIANT& src);
    // Takes over src's contents without copying; src becomes VT_EMPTY.
    void adopt(VARIANT& src) noexcept;
    // Moves the contents out into dst (which must be cleared or uninitialised).
    void detach(VARIANT* dst) noexcept { *dst = v; VariantInit(&v); }

    // True for the twelve numeric types (I2, I4, R4, R8, BOOL, UI1 and their references).
    bool IsNumeric() const noexcept;
    // True for a string or a reference to one.
    bool IsString() const noexcept { return (V_VT(&v) & ~VT_BYREF) == VT_BSTR; }
    // The string held directly or by reference (null for any other type); borrowed.
    BSTR StringValue() const noexcept;
    double ToNumber() const;
    // Like ToNumber, but strings count as 0 (array lengths, the exit code).
    double ToNumberStrict() const;
    int ToInt() const;  // ToNumber truncated toward zero to 32 bits
    std::string ToText() const;
    IDispatch* ToDispatch() const;     // new reference or null
    IUnknown* ToUnknown() const;       // new reference or null
    IDispatchEx* ToDispatchEx() const; // new reference or null

    VARIANT v;
};
