// The value functions with values a script cannot make: references, absent strings,
// NULs inside strings. The script tests cover the ordinary cases.
#include <gtest/gtest.h>

#include "globals/value_functions.h"

namespace {
com_var Call(HRESULT (*fn)(NScript*, ArgList&, com_var&), const com_var& arg, HRESULT expected = S_OK) {
    ArgList args;
    args.push_back(arg);
    com_var result;
    EXPECT_EQ(fn(nullptr, args, result), expected);
    return result;
}

std::wstring Wide(const com_var& v) {
    if (v.type() != VT_BSTR) return L"<not a string>";
    return std::wstring(v.v.bstrVal, SysStringLen(v.v.bstrVal));
}

com_var WideVar(const std::wstring& s) {
    com_var v;
    v.v.vt = VT_BSTR;
    v.v.bstrVal = SysAllocStringLen(s.data(), static_cast<UINT>(s.size()));
    return v;
}
}  // namespace

TEST(ValueFunctionsTest, ReferencesCountAsTheirTypes) {
    double d = -2.5;
    BSTR text = SysAllocString(L"Bx");
    com_var ref;
    ref.v.vt = VT_R8 | VT_BYREF;
    ref.v.pdblVal = &d;
    EXPECT_EQ(Call(f_uint, ref).ToNumber(), 4294967294.0);
    Call(f_ord, ref, DISP_E_TYPEMISMATCH);
    ref.v.vt = VT_BSTR | VT_BYREF;
    ref.v.pbstrVal = &text;
    EXPECT_EQ(Call(f_ord, ref).ToNumber(), 66);
    Call(f_int, ref, DISP_E_TYPEMISMATCH);
    ref.v.vt = VT_EMPTY;  // the values are borrowed
    SysFreeString(text);
}

TEST(ValueFunctionsTest, AbsentAndNulStrings) {
    com_var absent;
    absent.v.vt = VT_BSTR;
    absent.v.bstrVal = nullptr;
    EXPECT_EQ(Call(f_ord, absent).ToNumber(), 0);
    EXPECT_EQ(Wide(Call(f_esc, absent)), L"");
    EXPECT_EQ(Wide(Call(f_cstr, absent)), L"");

    std::wstring withNul = std::wstring(L"a\\n") + L'\0' + L"cd";
    EXPECT_EQ(Wide(Call(f_cstr, WideVar(withNul))), L"a\\n");
    EXPECT_EQ(Wide(Call(f_esc, WideVar(withNul))), L"a\n");
    EXPECT_EQ(Wide(Call(f_esc, com_var("x\\0y"))), std::wstring(L"x") + L'\0' + L"y");
    EXPECT_EQ(Call(f_ord, WideVar(withNul.substr(3))).ToNumber(), 0);
    EXPECT_EQ(Wide(Call(f_chr, com_var(-1.0))), L"\xFFFF");
    EXPECT_EQ(Wide(Call(f_chr, com_var(65536.0))), L"");
}
