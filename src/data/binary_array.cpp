// Arrays of binary values between scripts and the host, with the all-or-nothing
// range rule of writes.
#include "data/binary_array.h"

#include "data/binary_type.h"
#include "object/com_array.h"
#include "object/dispatch_helpers.h"

int BinaryTypeOf(const com_var& value) { return value.IsString() ? BinaryTypeCode(value.ToText()) : kBinaryUnknown; }

HRESULT NumbersInRange(const com_var& value, int code, std::vector<double>& numbers, long limit) {
    numbers.clear();
    com_array array;
    HRESULT hr = ScriptToArray(value, array, limit);
    if (hr == DISP_E_TYPEMISMATCH) return DISP_E_BADVARTYPE;
    if (FAILED(hr)) return hr;
    com_array::elements elements(array);
    // An array of something other than variants holds no values this can check.
    if (elements.count() != array.count()) return DISP_E_BADVARTYPE;
    const long count = elements.count() < limit ? elements.count() : limit;
    numbers.resize(static_cast<size_t>(count));
    for (long i = 0; i < count; ++i) {
        com_var element(elements[i]);
        double d = element.IsNumeric() ? element.ToNumber() : 0;
        if (!element.IsNumeric() || !InBinaryRange(code, d)) {
            numbers.clear();
            return DISP_E_BADVARTYPE;
        }
        numbers[static_cast<size_t>(i)] = d;
    }
    return S_OK;
}

HRESULT NumbersToScript(NScript* script, const std::vector<double>& numbers, com_var& result) {
    com_array array;
    if (!array.create(static_cast<long>(numbers.size()))) return E_OUTOFMEMORY;
    {
        com_array::elements elements(array);
        for (long i = 0; i < elements.count(); ++i) {
            elements[i].vt = VT_R8;
            elements[i].dblVal = numbers[static_cast<size_t>(i)];
        }
    }
    result = ArrayToScript(script, array);
    return S_OK;
}
