// com_array: a one-dimensional SAFEARRAY of variants, owned or borrowed.
#pragma once

#include "object/com_var.h"

class com_array {
public:
    // The most elements an array may have: SafeArrayCreate computes the byte size in 32
    // bits without checking, so a longer array would get a tiny block and be written
    // and cleared far past its end.
    static constexpr long kMaxCount = static_cast<long>(0x7FFFFFFFu / sizeof(VARIANT));

    com_array() noexcept = default;
    com_array(const com_array&) = delete;
    com_array& operator=(const com_array&) = delete;
    ~com_array() { reset(); }

    // Releases the current array (destroying it unless borrowed).
    void reset() noexcept;
    // A new owned array of n empty variants, lower bound 0; false beyond kMaxCount.
    bool create(long n);
    // Refers to the one-dimensional array held by value (following one VT_BYREF); borrowed.
    bool attach(const VARIANT& value);
    // The same tests as attach, but keeps an owned copy.
    bool attach_copy(const VARIANT& value);

    long count() const noexcept;
    com_var get(long i) const;
    bool set(long i, const VARIANT& value);
    bool set(long i, const com_var& value) { return set(i, value.v); }
    // Moves the array into a VT_ARRAY | VT_VARIANT value; empty without an array.
    com_var detach();

    SAFEARRAY* array() const noexcept { return psa_; }

    // Direct access to the elements while it lives (SafeArrayAccessData), for bulk
    // filling and reading; empty when the array does not hold variants.
    class elements {
    public:
        explicit elements(const com_array& a) noexcept;
        elements(const elements&) = delete;
        elements& operator=(const elements&) = delete;
        ~elements();
        VARIANT* data() const noexcept { return data_; }
        long count() const noexcept { return data_ ? count_ : 0; }
        VARIANT& operator[](long i) const noexcept { return data_[i]; }

    private:
        SAFEARRAY* psa_ = nullptr;
        VARIANT* data_ = nullptr;
        long count_ = 0;
    };
    bool borrowed() const noexcept { return borrowed_; }

private:
    static SAFEARRAY* ArrayOf(const VARIANT& value);
    bool ElementsAreVariants() const noexcept;

    SAFEARRAY* psa_ = nullptr;
    bool borrowed_ = false;
};
