// Native declarations: what the parser makes of each text, and numbers to and from
// the typed values of a call.
#include <gtest/gtest.h>

#include <math.h>

#include <string>

#include "data/native_signature.h"

namespace {
// "return name(params) convention" in codes, or "fail".
std::string Parse(const std::string& text) {
    dllfunc_info info;
    if (!ParseSignature(text, info)) return "fail";
    std::string s = std::to_string(info.returnType) + " " + info.name + "(";
    for (size_t i = 0; i < info.params.size(); ++i) s += (i ? "," : "") + std::to_string(info.params[i]);
    return s + ") " + std::to_string(info.convention) + " args " + std::to_string(info.ArgumentCount());
}
}  // namespace

TEST(NativeSignatureTest, Declarations) {
    struct Case { std::string text, parsed; };
    const Case cases[] = {
        {"int GetTickCount()", "4 GetTickCount() 13 args 0"},
        {"GetTickCount ( )", "4 GetTickCount() 13 args 0"},
        {"stdcall uint GetTickCount()", "1 GetTickCount() 14 args 0"},
        {"int MessageBoxA(int, string, string, uint) stdcall", "4 MessageBoxA(4,9,9,1) 14 args 4"},
        {"int f(int int)", "4 f(4,4) 13 args 2"},
        {"int f(void)", "4 f(11) 13 args 0"},
        {"int f(int, void)", "4 f(4,11) 13 args 1"},
        {"void f(,,int,)", "11 f(4) 13 args 1"},
        {"f() double __stdcall", "8 f() 14 args 0"},
        {"_cdecl f()", "4 f() 13 args 0"},
        {"_stdcall f()", "4 f() 14 args 0"},
        {"\tint\nf\r(int)stdcall ", "4 f(4) 14 args 1"},
        {"int stdcall stdcall()", "4 stdcall() 14 args 0"},  // the name is whatever is still missing
        {"cdecl stdcall()", "4 stdcall() 13 args 0"},
        {"f int ()", "4 f() 13 args 0"},
        {"int (int) f", "4 f(4) 13 args 1"},
        {"int $f_1()", "4 $f_1() 13 args 0"},
        {"int 0x1F()", "4 0x1F() 13 args 0"},
        {"int 12ab_X()", "4 12ab_X() 13 args 0"},
        {"handle f(ptr, str, wstr, wstring, binary, char, sbyte, uchar, byte)", "15 f(15,9,10,10,12,6,6,3,3) 13 args 9"},
        {"ptr f(short, int16, ushort, uint16, long, int32, ulong, uint32, float, double)",
         "15 f(5,5,2,2,4,4,1,1,7,8) 13 args 10"},
        // failures: no list, no name, a parameter name, a second list or name, the end
        // inside the list, type names in another case, odd characters
        {"GetTickCount", "fail"},
        {"int f(int a)", "fail"},
        {"()", "fail"},
        {"", "fail"},
        {"int f()()", "fail"},
        {"int f() g", "fail"},
        {"int int f()", "fail"},
        {"int f(", "fail"},
        {"int f(int", "fail"},
        {"int f(int;)", "fail"},
        {"Int f()", "fail"},
        {"int f(INT)", "fail"},
        {"int f(STDCALL)", "fail"},
        {"int 3g()", "fail"},
        {"int f-()", "fail"},
        {std::string("int f\0()", 8), "fail"},
        {"int \x93\xFA()", "fail"},
    };
    for (const Case& c : cases) EXPECT_EQ(Parse(c.text), c.parsed) << c.text;
}

TEST(NativeSignatureTest, NumbersInAndOut) {
    const uint64_t kTwo40 = static_cast<uintptr_t>(1ULL << 40);
    struct Case { int code; double in; uint64_t bits; double out; };
    const Case cases[] = {
        {kNativeUInt, 4294967295.0, 0xFFFFFFFF, -1},  // 32-bit results are signed
        {kNativeUInt, -1, 0xFFFFFFFF, -1},
        {kNativeInt, 4294967296.0 + 5, 5, 5},
        {kNativeInt, -3.9, 0xFFFFFFFD, -3},
        {kNativeInt, NAN, 0, 0},
        {kNativeUShort, 65535, 0xFFFF, 65535},
        {kNativeShort, 40000, 0x9C40, -25536},
        {kNativeUChar, 300, 0x2C, 44},
        {kNativeChar, 200, 0xC8, -56},
        {kNativeDouble, -2.5, 0xC004000000000000, -2.5},
        {kNativeFloat, 1.0, 0x3F800000, 1.0},
        // 2^40: kept by 64-bit pointers, its low 32 bits (0) by 32-bit ones
        {kNativePointer, 1099511627776.0, kTwo40, static_cast<double>(kTwo40)},
        {kNativePointer, 3.9, 3, 3},
        {kNativePointer, -1, UINTPTR_MAX, static_cast<double>(UINTPTR_MAX)},
        {kNativePointer, 18446744073709551616.0, UINTPTR_MAX, static_cast<double>(UINTPTR_MAX)},
        {kNativePointer, 36893488147419103232.0, 0, 0},  // 2^65
        {kNativePointer, NAN, 0, 0},
    };
    for (const Case& c : cases) {
        NativeValue v = NumberArgument(c.code, c.in);
        EXPECT_EQ(v.u64, c.bits) << c.code << " " << c.in;  // nothing beyond the type's width
        EXPECT_EQ(NumberResult(c.code, v), c.out) << c.code << " " << c.in;
    }
    EXPECT_EQ(NumberResult(kNativeFloat, NumberArgument(kNativeFloat, 0.1)), static_cast<double>(0.1f));
    EXPECT_EQ(NumberResult(kNativeString, NumberArgument(kNativeString, 5)), 0);
    EXPECT_TRUE(IsCallableReturn(kNativeVoid) && IsCallableReturn(kNativePointer));
    EXPECT_FALSE(IsCallableReturn(kNativeString) || IsCallableReturn(kNativeWString) || IsCallableReturn(kNativeBinary));
}
