// The binary value types shared by File read/write, BinaryBlob get/set and native
// calls: names, sizes, the range rule for arrays, and little-endian reading and
// writing. Free of platform headers.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>

enum BinaryType : int {
    kBinaryUnknown = 0,
    kBinaryChar = 1,    // "char", "sbyte": signed 8-bit
    kBinaryShort = 2,   // "short", "int16"
    kBinaryLong = 3,    // "long", "int", "int32"
    kBinaryUChar = 4,   // "uchar", "byte"
    kBinaryUShort = 5,  // "ushort", "uint16"
    kBinaryULong = 6,   // "ulong", "uint", "uint32"
    kBinaryFloat = 7,   // "float": IEEE single
    kBinaryDouble = 8,  // "double"
};

// The code of a type name, compared after lower-casing; 0 when unknown.
int BinaryTypeCode(const std::string& name);
// Bytes of one value: 1, 2, 4, 1, 2, 4, 4, 8; 0 for an unknown code.
size_t BinaryTypeSize(int code);
// Whether a numeric value may be written as an array element of the type:
// 8-bit types -128..255, 16-bit -32768..65535, 32-bit -2147483648..4294967295,
// float and double anything; NaN only for float and double.
bool InBinaryRange(int code, double value);
// Reads one little-endian value from BinaryTypeSize(code) bytes, widened to a double.
double ReadBinary(int code, const uint8_t* bytes);
// Writes one value in BinaryTypeSize(code) bytes: integer types take the value
// truncated toward zero (64-bit) and keep its low bytes; float rounds to single.
void WriteBinary(int code, double value, uint8_t* bytes);
