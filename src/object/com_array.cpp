// com_array: creation, attachment and element access of variant arrays.
#include "object/com_array.h"

void com_array::reset() noexcept {
    if (psa_ && !borrowed_) SafeArrayDestroy(psa_);
    psa_ = nullptr;
    borrowed_ = false;
}

bool com_array::create(long n) {
    reset();
    if (n < 0) n = 0;
    if (n > kMaxCount) return false;
    SAFEARRAYBOUND bound{static_cast<ULONG>(n), 0};
    psa_ = SafeArrayCreate(VT_VARIANT, 1, &bound);
    return psa_ != nullptr;
}

SAFEARRAY* com_array::ArrayOf(const VARIANT& value) {
    VARTYPE vt = V_VT(&value);
    if (!(vt & VT_ARRAY)) return nullptr;
    SAFEARRAY* psa = nullptr;
    if (vt & VT_BYREF) psa = V_ARRAYREF(&value) ? *V_ARRAYREF(&value) : nullptr;
    else psa = V_ARRAY(&value);
    if (!psa || SafeArrayGetDim(psa) != 1) return nullptr;
    return psa;
}

bool com_array::attach(const VARIANT& value) {
    SAFEARRAY* psa = ArrayOf(value);
    if (!psa) return false;
    reset();
    psa_ = psa;
    borrowed_ = true;
    return true;
}

bool com_array::attach_copy(const VARIANT& value) {
    SAFEARRAY* psa = ArrayOf(value);
    if (!psa) return false;
    SAFEARRAY* copy = nullptr;
    if (FAILED(SafeArrayCopy(psa, &copy)) || !copy) return false;
    reset();
    psa_ = copy;
    return true;
}

long com_array::count() const noexcept {
    if (!psa_) return 0;
    LONG lo = 0, hi = -1;
    if (FAILED(SafeArrayGetLBound(psa_, 1, &lo)) || FAILED(SafeArrayGetUBound(psa_, 1, &hi))) return 0;
    return hi - lo + 1;
}

bool com_array::ElementsAreVariants() const noexcept {
    // Arrays attached from outside may hold other element types; reading them as
    // variants would run past the end of the data.
    return psa_ && (psa_->fFeatures & FADF_VARIANT) && psa_->cbElements == sizeof(VARIANT);
}

com_var com_array::get(long i) const {
    com_var r;
    if (i < 0 || i >= count() || !ElementsAreVariants()) return r;
    LONG lo = 0;
    SafeArrayGetLBound(psa_, 1, &lo);
    LONG index = lo + i;
    VARIANT tmp;
    VariantInit(&tmp);
    if (SUCCEEDED(SafeArrayGetElement(psa_, &index, &tmp))) r.adopt(tmp);
    return r;
}

bool com_array::set(long i, const VARIANT& value) {
    if (i < 0 || i >= count() || !ElementsAreVariants()) return false;
    LONG lo = 0;
    SafeArrayGetLBound(psa_, 1, &lo);
    LONG index = lo + i;
    return SUCCEEDED(SafeArrayPutElement(psa_, &index, const_cast<VARIANT*>(&value)));
}

com_var com_array::detach() {
    com_var r;
    if (!psa_) return r;
    if (borrowed_) {
        // A borrowed array is not ours to hand out; give a copy instead.
        SAFEARRAY* copy = nullptr;
        if (FAILED(SafeArrayCopy(psa_, &copy))) copy = nullptr;
        psa_ = nullptr;
        borrowed_ = false;
        if (!copy) return r;
        r.v.vt = VT_ARRAY | VT_VARIANT;
        r.v.parray = copy;
        return r;
    }
    r.v.vt = VT_ARRAY | VT_VARIANT;
    r.v.parray = psa_;
    psa_ = nullptr;
    return r;
}

com_array::elements::elements(const com_array& a) noexcept : count_(a.count()) {
    if (!a.ElementsAreVariants()) return;
    void* p = nullptr;
    if (FAILED(SafeArrayAccessData(a.psa_, &p))) return;
    psa_ = a.psa_;
    data_ = static_cast<VARIANT*>(p);
}

com_array::elements::~elements() {
    if (psa_) SafeArrayUnaccessData(psa_);
}
