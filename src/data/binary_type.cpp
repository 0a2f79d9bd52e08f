// Binary value types: the name table, the range rule, and little-endian reads and
// writes done byte by byte so that the host's own byte order never matters.
#include "data/binary_type.h"

#include <string.h>

namespace {
struct BinaryTypeName {
    const char* name;
    int code;
};

const BinaryTypeName kNames[] = {
    {"char", kBinaryChar},     {"sbyte", kBinaryChar},    {"short", kBinaryShort},   {"int16", kBinaryShort},
    {"long", kBinaryLong},     {"int", kBinaryLong},      {"int32", kBinaryLong},    {"uchar", kBinaryUChar},
    {"byte", kBinaryUChar},    {"ushort", kBinaryUShort}, {"uint16", kBinaryUShort}, {"ulong", kBinaryULong},
    {"uint", kBinaryULong},    {"uint32", kBinaryULong},  {"float", kBinaryFloat},   {"double", kBinaryDouble},
};

uint64_t ReadLittleEndian(const uint8_t* bytes, size_t size) {
    uint64_t u = 0;
    for (size_t i = size; i-- > 0;) u = (u << 8) | bytes[i];
    return u;
}

void WriteLittleEndian(uint64_t u, uint8_t* bytes, size_t size) {
    for (size_t i = 0; i < size; ++i, u >>= 8) bytes[i] = static_cast<uint8_t>(u & 0xFF);
}

// Truncation toward zero to 64 bits; NaN, the infinities and values beyond 64 bits
// give 0 rather than the undefined result of a plain cast.
uint64_t TruncateToUInt64(double d) {
    if (!(d > -9.2233720368547758e18 && d < 9.2233720368547758e18)) return 0;
    return static_cast<uint64_t>(static_cast<int64_t>(d));
}
}  // namespace

int BinaryTypeCode(const std::string& name) {
    std::string lower(name);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    for (const BinaryTypeName& n : kNames) {
        if (lower == n.name) return n.code;
    }
    return kBinaryUnknown;
}

size_t BinaryTypeSize(int code) {
    switch (code) {
    case kBinaryChar: case kBinaryUChar: return 1;
    case kBinaryShort: case kBinaryUShort: return 2;
    case kBinaryLong: case kBinaryULong: case kBinaryFloat: return 4;
    case kBinaryDouble: return 8;
    default: return 0;
    }
}

bool InBinaryRange(int code, double value) {
    switch (code) {
    case kBinaryChar: case kBinaryUChar: return value >= -128.0 && value <= 255.0;
    case kBinaryShort: case kBinaryUShort: return value >= -32768.0 && value <= 65535.0;
    case kBinaryLong: case kBinaryULong: return value >= -2147483648.0 && value <= 4294967295.0;
    case kBinaryFloat: case kBinaryDouble: return true;
    default: return false;
    }
}

double ReadBinary(int code, const uint8_t* bytes) {
    uint64_t u = ReadLittleEndian(bytes, BinaryTypeSize(code));
    switch (code) {
    case kBinaryChar: return static_cast<int8_t>(static_cast<uint8_t>(u));
    case kBinaryShort: return static_cast<int16_t>(static_cast<uint16_t>(u));
    case kBinaryLong: return static_cast<int32_t>(static_cast<uint32_t>(u));
    case kBinaryUChar: case kBinaryUShort: case kBinaryULong: return static_cast<double>(u);
    case kBinaryFloat: {
        uint32_t bits = static_cast<uint32_t>(u);
        float f;
        memcpy(&f, &bits, sizeof f);
        return f;
    }
    case kBinaryDouble: {
        double d;
        memcpy(&d, &u, sizeof d);
        return d;
    }
    default: return 0;
    }
}

void WriteBinary(int code, double value, uint8_t* bytes) {
    size_t size = BinaryTypeSize(code);
    switch (code) {
    case kBinaryFloat: {
        float f = static_cast<float>(value);
        uint32_t bits;
        memcpy(&bits, &f, sizeof bits);
        WriteLittleEndian(bits, bytes, size);
        break;
    }
    case kBinaryDouble: {
        uint64_t bits;
        memcpy(&bits, &value, sizeof bits);
        WriteLittleEndian(bits, bytes, size);
        break;
    }
    default:
        WriteLittleEndian(TruncateToUInt64(value), bytes, size);
        break;
    }
}
