// encode and decode with values a script cannot make (references, absent strings,
// typed safe arrays), and the narrow/UTF-16 steps through the platform.
#include <gtest/gtest.h>

#include <type_traits>

#include "globals/encoding.h"
#include "object/text.h"
#include "object/com_array.h"

using namespace std::string_literals;

namespace {
HRESULT Call(HRESULT (*fn)(NScript*, ArgList&, com_var&), std::initializer_list<com_var> values, com_var* result) {
    ArgList args;
    for (const com_var& v : values) args.push_back(v);
    return fn(nullptr, args, *result);
}

// The bytes of encode's result (a variant array without a script engine).
std::string BytesOf(const com_var& v) {
    com_array a;
    if (!a.attach(v.v)) return "<not an array>";
    std::string out;
    com_array::elements e(a);
    for (long i = 0; i < e.count(); ++i) {
        if (V_VT(&e[i]) != VT_R8) return "<not a number>";
        out += static_cast<char>(static_cast<int>(V_R8(&e[i])));
    }
    return out;
}

std::wstring Wide(const com_var& v) {
    if (v.type() != VT_BSTR) return L"<not a string>";
    return std::wstring(v.v.bstrVal, SysStringLen(v.v.bstrVal));
}

// A safe array of one element type, filled from the values.
template <class T>
com_var TypedArray(VARTYPE vt, std::initializer_list<T> values) {
    SAFEARRAYBOUND bound{static_cast<ULONG>(values.size()), 5};
    SAFEARRAY* psa = SafeArrayCreate(vt, 1, &bound);
    LONG i = 5;
    for (T value : values) {
        // Strings and interfaces are passed as themselves, other values by address.
        if constexpr (std::is_pointer_v<T>) SafeArrayPutElement(psa, &i, value);
        else SafeArrayPutElement(psa, &i, &value);
        ++i;
    }
    com_var v;
    v.v.vt = VT_ARRAY | vt;
    v.v.parray = psa;
    return v;
}
}  // namespace

TEST(EncodingTest, NarrowTableFollowsTheCodePage) {
    const MultiByteTable& table = NarrowTable();
    EXPECT_EQ(&table, &NarrowTable());
    if (GetACP() == 932) {
        EXPECT_EQ(&table, &ShiftJisTable());
    } else if (GetACP() == 1252) {
        EXPECT_EQ(&table, &SingleByteTable());
    }
}

TEST(EncodingTest, TheConversionTable) {
    std::string text = "A\xB1\0z"s;
    for (int code : {-1, 0, 1, 6}) {
        EXPECT_EQ(ToExternal(code, text), text) << code;
        EXPECT_EQ(FromExternal(code, text), text) << code;
    }
    EXPECT_EQ(ToExternal(kEncodingEuc, text), SjisToEuc(text, NarrowTable()));
    EXPECT_EQ(ToExternal(kEncodingJis, text), SjisToJis(text, NarrowTable()));
    EXPECT_EQ(ToExternal(kEncodingUtf16, "A\0B"s), "A\0\0\0B\0"s);
    EXPECT_EQ(FromExternal(kEncodingUtf16, "A\0\0\0B\0C"s), "A\0B"s);  // odd final byte ignored
    EXPECT_EQ(ToExternal(kEncodingUtf8, "A\0B"s), "A\0B"s);
    EXPECT_EQ(FromExternal(kEncodingUtf8, "A\0\xC3"s), "A\0"s);
    EXPECT_EQ(NarrowToUtf16(""), "");
    EXPECT_EQ(Utf16ToNarrow("x"), "");
}

TEST(EncodingTest, EncodeTakesStringsByValueOrReference) {
    com_var result;
    EXPECT_EQ(Call(f_encode, {com_var("AB"), com_var("utf16")}, &result), S_OK);
    EXPECT_EQ(BytesOf(result), "A\0B\0"s);

    BSTR text = SysAllocStringLen(L"a\0b", 3);
    com_var ref;
    ref.v.vt = VT_BSTR | VT_BYREF;
    ref.v.pbstrVal = &text;
    EXPECT_EQ(Call(f_encode, {ref, com_var("ascii")}, &result), S_OK);
    EXPECT_EQ(BytesOf(result), "a\0b"s);  // the whole string, NULs included
    SysFreeString(text);

    com_var absent;
    absent.v.vt = VT_BSTR;
    absent.v.bstrVal = nullptr;
    EXPECT_EQ(Call(f_encode, {absent, com_var("utf8")}, &result), S_OK);
    EXPECT_EQ(BytesOf(result), "");
}

TEST(EncodingTest, ArgumentErrorsComeFirst) {
    com_var result;
    EXPECT_EQ(Call(f_encode, {com_var("x")}, &result), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Call(f_encode, {com_var("x"), com_var("utf8"), com_var("x")}, &result), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(Call(f_encode, {com_var(5.0), com_var("latin")}, &result), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Call(f_decode, {com_var("x"), com_var("utf8")}, &result), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(Call(f_decode, {com_var(5.0)}, &result), DISP_E_BADPARAMCOUNT);
    EXPECT_TRUE(result.empty());
    EXPECT_EQ(Call(f_encode, {com_var("x"), com_var("latin")}, &result), S_OK);
    EXPECT_TRUE(result.empty());
    EXPECT_EQ(Call(f_decode, {TypedArray<BYTE>(VT_UI1, {65}), com_var("latin")}, &result), S_OK);
    EXPECT_TRUE(result.empty());
}

TEST(EncodingTest, DecodeReadsTypedSafeArrays) {
    com_var result;
    EXPECT_EQ(Call(f_decode, {TypedArray<BYTE>(VT_UI1, {72, 0, 105}), com_var("ascii")}, &result), S_OK);
    EXPECT_EQ(Wide(result), L"H\0i"s);
    EXPECT_EQ(Call(f_decode, {TypedArray<LONG>(VT_I4, {0x148, -151}), com_var("ascii")}, &result), S_OK);
    EXPECT_EQ(Wide(result), L"Hi");
    EXPECT_EQ(Call(f_decode, {TypedArray<double>(VT_R8, {72.9, 105.5}), com_var("ascii")}, &result), S_OK);
    EXPECT_EQ(Wide(result), L"Hi");
    EXPECT_EQ(Call(f_decode, {TypedArray<short>(VT_I2, {0x41, 0}), com_var("utf16")}, &result), S_OK);
    EXPECT_EQ(Wide(result), L"A");

    BSTR h = SysAllocString(L"72"), i = SysAllocString(L"105");
    com_var strings = TypedArray<BSTR>(VT_BSTR, {h, i});
    SysFreeString(h);
    SysFreeString(i);
    EXPECT_EQ(Call(f_decode, {strings, com_var("ascii")}, &result), S_OK);
    EXPECT_EQ(Wide(result), L"Hi");

    // Objects are no numbers, but each still counts as one byte.
    com_var objects = TypedArray<IUnknown*>(VT_UNKNOWN, {nullptr, nullptr});
    EXPECT_EQ(Call(f_decode, {objects, com_var("ascii")}, &result), S_OK);
    EXPECT_EQ(Wide(result), L"\0\0"s);
}
