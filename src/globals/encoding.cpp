// Narrow text to and from external encodings through the ANSI code page, and the
// script functions encode and decode over them.
#include "globals/encoding.h"

#include "object/com_array.h"
#include "object/dispatch_helpers.h"
#include "object/numeric.h"
#include "object/text.h"

#include <limits.h>
#include <string.h>

namespace {
// The platform's conversions take int lengths; longer texts go in pieces that end
// on a character boundary, small enough that a piece's result (up to two bytes per
// unit) fits as well.
const size_t kPiece = INT_MAX / 2;

size_t NarrowPieceEnd(const std::string& s, size_t start) {
    if (s.size() - start <= kPiece) return s.size();
    const MultiByteTable& table = NarrowTable();
    const uint8_t* b = reinterpret_cast<const uint8_t*>(s.data());
    size_t i = start, end = start + kPiece;
    while (i < end) i += table.IsPair(b, s.size(), i) ? 2 : 1;
    return i > end ? i - 2 : i;
}

size_t WidePieceEnd(const wchar_t* w, size_t units, size_t start) {
    if (units - start <= kPiece) return units;
    size_t end = start + kPiece;
    return (w[end - 1] >= 0xD800 && w[end - 1] <= 0xDBFF) ? end - 1 : end;
}

// The text of a string argument (by value or by reference) with its full length;
// false for any other type.
bool StringArgument(const com_var& value, std::string* text) {
    if (!value.IsString() || ((value.type() & VT_BYREF) && !V_BSTRREF(&value.v))) return false;
    BSTR s = value.StringValue();
    *text = s ? ToNarrow(s, static_cast<int>(SysStringLen(s))) : std::string();
    return true;
}

uint8_t ByteOf(const VARIANT& v) {
    switch (V_VT(&v)) {
    case VT_I4: return static_cast<uint8_t>(V_I4(&v));
    case VT_R8: return static_cast<uint8_t>(TruncateToInt32(V_R8(&v)));
    default: return static_cast<uint8_t>(TruncateToInt32(com_var(v).ToNumber()));
    }
}

// The low bytes of the numbers in a safe array. Variant elements are the usual case;
// arrays of plain values (bytes or numbers from other COM servers, strings) are read
// one element at a time.
std::string BytesOf(const com_array& array) {
    std::string bytes;
    com_array::elements e(array);
    if (e.data()) {
        bytes.resize(static_cast<size_t>(e.count()));
        for (long i = 0; i < e.count(); ++i) bytes[i] = static_cast<char>(ByteOf(e[i]));
        return bytes;
    }
    SAFEARRAY* psa = array.array();
    VARTYPE vt = VT_EMPTY;
    long n = array.count();
    bytes.resize(static_cast<size_t>(n));
    if (!psa || FAILED(SafeArrayGetVartype(psa, &vt))) return bytes;
    switch (vt) {
    case VT_I1: case VT_UI1: case VT_I2: case VT_UI2: case VT_I4: case VT_UI4: case VT_INT: case VT_UINT:
    case VT_I8: case VT_UI8: case VT_R4: case VT_R8: case VT_CY: case VT_DATE: case VT_BOOL: case VT_BSTR:
        break;
    default:
        return bytes;  // objects and records are no numbers: zero bytes, one per element
    }
    LONG lo = 0;
    SafeArrayGetLBound(psa, 1, &lo);
    for (long i = 0; i < n; ++i) {
        LONG index = lo + i;
        VARIANT v;
        VariantInit(&v);
        // Every type above fits the value part of a VARIANT.
        if (FAILED(SafeArrayGetElement(psa, &index, &V_I8(&v)))) continue;
        V_VT(&v) = vt;
        com_var element;
        element.adopt(v);
        if (!element.IsNumeric() && vt != VT_BSTR &&
            FAILED(VariantChangeType(&element.v, &element.v, 0, VT_R8))) continue;
        bytes[i] = static_cast<char>(TruncateToInt32(element.ToNumber()));
    }
    return bytes;
}

// The narrow text as a script string, NUL characters included.
com_var ScriptString(const std::string& narrow) {
    com_var r;
    BSTR b = NewBstr(narrow);
    if (b) {
        r.v.vt = VT_BSTR;
        r.v.bstrVal = b;
    }
    return r;
}
}  // namespace

std::string NarrowToUtf16(const std::string& narrow) {
    std::string out;
    out.reserve(narrow.size() * 2);
    for (size_t start = 0; start < narrow.size();) {
        size_t end = NarrowPieceEnd(narrow, start);
        int len = static_cast<int>(end - start);
        int units = MultiByteToWideChar(CP_ACP, 0, narrow.data() + start, len, nullptr, 0);
        if (units > 0) {
            size_t at = out.size();
            out.resize(at + static_cast<size_t>(units) * 2);
            MultiByteToWideChar(CP_ACP, 0, narrow.data() + start, len,
                                reinterpret_cast<wchar_t*>(&out[at]), units);
        }
        start = end;
    }
    return out;
}

std::string Utf16ToNarrow(const std::string& utf16) {
    const size_t units = utf16.size() / 2;
    const wchar_t* w = reinterpret_cast<const wchar_t*>(utf16.data());
    std::string out;
    out.reserve(units);
    for (size_t start = 0; start < units;) {
        size_t end = WidePieceEnd(w, units, start);
        int len = static_cast<int>(end - start);
        int n = WideCharToMultiByte(CP_ACP, 0, w + start, len, nullptr, 0, nullptr, nullptr);
        if (n > 0) {
            size_t at = out.size();
            out.resize(at + static_cast<size_t>(n));
            WideCharToMultiByte(CP_ACP, 0, w + start, len, &out[at], n, nullptr, nullptr);
        }
        start = end;
    }
    return out;
}

std::string ToExternal(int code, const std::string& narrow) {
    switch (code) {
    case kEncodingEuc: return SjisToEuc(narrow, NarrowTable());
    case kEncodingJis: return SjisToJis(narrow, NarrowTable());
    case kEncodingUtf16: return NarrowToUtf16(narrow);
    case kEncodingUtf8: return Utf16ToUtf8(NarrowToUtf16(narrow));
    default: return narrow;
    }
}

std::string FromExternal(int code, const std::string& bytes) {
    switch (code) {
    case kEncodingEuc: return EucToSjis(bytes);
    case kEncodingJis: return JisToSjis(bytes);
    case kEncodingUtf16: return Utf16ToNarrow(bytes);
    case kEncodingUtf8: return Utf16ToNarrow(Utf8ToUtf16(bytes));
    default: return bytes;
    }
}

HRESULT f_encode(NScript* script, ArgList& args, com_var& result) {
    if (args.count() != 2) return DISP_E_BADPARAMCOUNT;
    std::string text;
    if (!StringArgument(args[0], &text)) return DISP_E_TYPEMISMATCH;
    int code = EncodingCode(args[1].ToText());
    if (code == kEncodingUnknown) return S_OK;

    std::string bytes = ToExternal(code, text);
    com_array array;
    if (bytes.size() > LONG_MAX || !array.create(static_cast<long>(bytes.size()))) return E_OUTOFMEMORY;
    {
        com_array::elements e(array);
        if (e.count() != static_cast<long>(bytes.size())) return E_OUTOFMEMORY;
        const uint8_t* b = reinterpret_cast<const uint8_t*>(bytes.data());
        for (long i = 0; i < e.count(); ++i) {
            VARIANT& v = e[i];
            V_VT(&v) = VT_R8;
            V_R8(&v) = b[i];
        }
    }
    result = ArrayToScript(script, array);
    return S_OK;
}

HRESULT f_decode(NScript*, ArgList& args, com_var& result) {
    if (args.count() != 2) return DISP_E_BADPARAMCOUNT;
    com_array array;
    if (HRESULT hr = ScriptToArray(args[0], array); FAILED(hr)) return hr;
    int code = EncodingCode(args[1].ToText());
    if (code == kEncodingUnknown) return S_OK;

    result = ScriptString(FromExternal(code, BytesOf(array)));
    return S_OK;
}
