// Declarations of native functions as DllFunc takes them: the type and convention
// names, the parsed signature (dllfunc_info), its parser, and the numeric side of
// passing values and results. Free of platform headers.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <vector>

// Type codes of declarations. Names compare exactly, with case.
enum NativeType : int {
    kNativeUnknown = 0,
    kNativeUInt = 1,     // "uint", "ulong", "uint32"
    kNativeUShort = 2,   // "ushort", "uint16"
    kNativeUChar = 3,    // "uchar", "byte"
    kNativeInt = 4,      // "int", "long", "int32"
    kNativeShort = 5,    // "short", "int16"
    kNativeChar = 6,     // "char", "sbyte"
    kNativeFloat = 7,    // "float"
    kNativeDouble = 8,   // "double"
    kNativeString = 9,   // "string", "str": a copy of the narrow text
    kNativeWString = 10, // "wstring", "wstr": a copy of the text in UTF-16
    kNativeVoid = 11,    // "void": no value
    kNativeBinary = 12,  // "binary": the memory of a BinaryBlob
    // 13 and 14 are the conventions.
    kNativePointer = 15, // "ptr", "handle": pointer-sized unsigned
};

enum NativeConvention : int {
    kConventionCdecl = 13,    // "cdecl", "_cdecl", "__cdecl": the caller removes the arguments
    kConventionStdcall = 14,  // "stdcall", "_stdcall", "__stdcall": the callee does
};

// The code of a type name; kNativeUnknown when it is none.
int NativeTypeCode(const std::string& name);
// The code of a convention name; 0 when it is none.
int NativeConventionCode(const std::string& name);

// A parsed declaration.
struct dllfunc_info {
    virtual ~dllfunc_info() = default;

    std::string name;                 // the exported name
    int convention = kConventionCdecl;
    int returnType = kNativeInt;
    std::vector<int> params;          // in order; a void counts as an entry

    // The number of script arguments a call takes: the parameters that are not void.
    size_t ArgumentCount() const;
};

// Parses "int f(int, string) stdcall" and the like. Tokens are identifiers, numbers
// and single other characters; outside the parentheses each is the return type, the
// convention or the name, whichever is still missing, in that order of tests; inside,
// only type names and commas. False, with info unspecified, when the text is no
// declaration. A missing return type is int, a missing convention cdecl.
bool ParseSignature(const std::string& text, dllfunc_info& info);

// Whether a call of a function returning this type is made at all (string, wstring
// and binary results are declared but never called).
bool IsCallableReturn(int code);

// One argument or result in the width of its type, as the call passes it; 8 bytes
// hold every type, and on little-endian machines each member starts at the first.
union NativeValue {
    int8_t i8;
    uint8_t u8;
    int16_t i16;
    uint16_t u16;
    int32_t i32;
    uint32_t u32;
    uint64_t u64;
    float f;
    double d;
    uintptr_t ptr;
    void* p;
};

// A script number as an argument of a numeric or pointer type: integers truncated
// toward zero, their low bytes kept; float rounded to single; pointers take any
// number from -2^63 to 2^64, truncated, their low bits kept (so -1 is all ones, and
// so is 2^64, the number an all-ones pointer result comes back as).
NativeValue NumberArgument(int code, double value);
// A returned value as a script number: integer results at their width, then read as
// a signed 32-bit number (so a uint of 0xFFFFFFFF is -1); float widened; a pointer
// as an unsigned number (user-space addresses stay below 2^53 and are exact).
double NumberResult(int code, const NativeValue& value);
