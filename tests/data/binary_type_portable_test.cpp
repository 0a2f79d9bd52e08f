// Binary value types: names, sizes, the range rule, byte order and round trips.
#include <gtest/gtest.h>

#include <math.h>

#include <vector>

#include "data/binary_type.h"

namespace {
std::vector<uint8_t> Bytes(int code, double value) {
    std::vector<uint8_t> bytes(BinaryTypeSize(code) + 1, 0xEE);
    WriteBinary(code, value, bytes.data());
    EXPECT_EQ(bytes.back(), 0xEE) << "wrote past the value";
    bytes.pop_back();
    return bytes;
}

double RoundTrip(int code, double value) {
    std::vector<uint8_t> bytes = Bytes(code, value);
    return ReadBinary(code, bytes.data());
}

using ByteList = std::vector<uint8_t>;
}  // namespace

TEST(BinaryTypeTest, NamesAndSizes) {
    struct Case { const char* name; int code; size_t size; };
    const Case cases[] = {
        {"char", 1, 1},   {"sbyte", 1, 1},  {"short", 2, 2},  {"int16", 2, 2},  {"long", 3, 4},
        {"int", 3, 4},    {"int32", 3, 4},  {"uchar", 4, 1},  {"byte", 4, 1},   {"ushort", 5, 2},
        {"uint16", 5, 2}, {"ulong", 6, 4},  {"uint", 6, 4},   {"uint32", 6, 4}, {"float", 7, 4},
        {"double", 8, 8}, {"DOUBLE", 8, 8}, {"UInt16", 5, 2}, {"Byte", 4, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BinaryTypeCode(c.name), c.code) << c.name;
        EXPECT_EQ(BinaryTypeSize(c.code), c.size) << c.name;
    }
    for (const char* bad : {"", "int8", "uint64", "single", " byte", "byte ", "bytes", "\x82\xA0"})
        EXPECT_EQ(BinaryTypeCode(bad), kBinaryUnknown) << bad;
    EXPECT_EQ(BinaryTypeCode(std::string("byte\0x", 6)), kBinaryUnknown);
    EXPECT_EQ(BinaryTypeSize(0), 0u);
    EXPECT_EQ(BinaryTypeSize(9), 0u);
    EXPECT_EQ(BinaryTypeSize(-1), 0u);
}

TEST(BinaryTypeTest, RangeRule) {
    for (int code : {1, 4}) {
        EXPECT_TRUE(InBinaryRange(code, -128));
        EXPECT_TRUE(InBinaryRange(code, 255));
        EXPECT_FALSE(InBinaryRange(code, -129));
        EXPECT_FALSE(InBinaryRange(code, 256));
        EXPECT_FALSE(InBinaryRange(code, 255.5));
    }
    for (int code : {2, 5}) {
        EXPECT_TRUE(InBinaryRange(code, -32768));
        EXPECT_TRUE(InBinaryRange(code, 65535));
        EXPECT_FALSE(InBinaryRange(code, -32769));
        EXPECT_FALSE(InBinaryRange(code, 65536));
    }
    for (int code : {3, 6}) {
        EXPECT_TRUE(InBinaryRange(code, -2147483648.0));
        EXPECT_TRUE(InBinaryRange(code, 4294967295.0));
        EXPECT_FALSE(InBinaryRange(code, -2147483649.0));
        EXPECT_FALSE(InBinaryRange(code, 4294967296.0));
    }
    for (int code = 1; code <= 6; ++code) {
        EXPECT_FALSE(InBinaryRange(code, NAN)) << code;
        EXPECT_FALSE(InBinaryRange(code, INFINITY)) << code;
        EXPECT_FALSE(InBinaryRange(code, -INFINITY)) << code;
    }
    for (int code : {7, 8}) {
        EXPECT_TRUE(InBinaryRange(code, NAN));
        EXPECT_TRUE(InBinaryRange(code, 1e300));
        EXPECT_TRUE(InBinaryRange(code, -INFINITY));
    }
    EXPECT_FALSE(InBinaryRange(0, 1));
    EXPECT_FALSE(InBinaryRange(9, 1));
}

TEST(BinaryTypeTest, LittleEndianBytes) {
    EXPECT_EQ(Bytes(kBinaryUChar, 300), ByteList({0x2C}));
    EXPECT_EQ(Bytes(kBinaryUShort, -1), ByteList({0xFF, 0xFF}));
    EXPECT_EQ(Bytes(kBinaryShort, 0x1234), ByteList({0x34, 0x12}));
    EXPECT_EQ(Bytes(kBinaryULong, 67305985), ByteList({1, 2, 3, 4}));
    EXPECT_EQ(Bytes(kBinaryLong, -2), ByteList({0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Bytes(kBinaryFloat, 1.0), ByteList({0x00, 0x00, 0x80, 0x3F}));
    EXPECT_EQ(Bytes(kBinaryDouble, 1.0), ByteList({0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    EXPECT_EQ(Bytes(kBinaryDouble, -2.5), ByteList({0, 0, 0, 0, 0, 0, 0x04, 0xC0}));
    const uint8_t be[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08};
    EXPECT_EQ(ReadBinary(kBinaryShort, be), 0x0201);
    EXPECT_EQ(ReadBinary(kBinaryULong, be), 0x04030201);
    const uint8_t ones[] = {0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(ReadBinary(kBinaryChar, ones), -1);
    EXPECT_EQ(ReadBinary(kBinaryShort, ones), -1);
    EXPECT_EQ(ReadBinary(kBinaryLong, ones), -1);
    EXPECT_EQ(ReadBinary(kBinaryUChar, ones), 255);
    EXPECT_EQ(ReadBinary(kBinaryUShort, ones), 65535);
    EXPECT_EQ(ReadBinary(kBinaryULong, ones), 4294967295.0);
    EXPECT_TRUE(isnan(ReadBinary(kBinaryFloat, ones)));
}

// Integers keep the low bytes of the value truncated toward zero as 64 bits, with
// no range check; values that have no 64-bit form write zero bytes.
TEST(BinaryTypeTest, IntegerWritesTruncate) {
    EXPECT_EQ(RoundTrip(kBinaryUChar, 3.9), 3);
    EXPECT_EQ(RoundTrip(kBinaryChar, -3.9), -3);
    EXPECT_EQ(RoundTrip(kBinaryUChar, -1), 255);
    EXPECT_EQ(RoundTrip(kBinaryChar, 255), -1);
    EXPECT_EQ(RoundTrip(kBinaryShort, 65535), -1);
    EXPECT_EQ(RoundTrip(kBinaryUShort, 65537), 1);
    EXPECT_EQ(RoundTrip(kBinaryLong, 4294967295.0), -1);
    EXPECT_EQ(RoundTrip(kBinaryULong, -1), 4294967295.0);
    EXPECT_EQ(RoundTrip(kBinaryULong, 4294967296.0 * 3 + 7), 7);
    EXPECT_EQ(RoundTrip(kBinaryULong, -4294967296.0 - 1), 4294967295.0);
    for (double odd : {(double)NAN, (double)INFINITY, (double)-INFINITY, 1e19, -1e19, 1e300}) {
        for (int code = 1; code <= 6; ++code) EXPECT_EQ(RoundTrip(code, odd), 0) << code << " " << odd;
    }
}

TEST(BinaryTypeTest, RoundTripsOfEveryType) {
    struct Case { int code; double low, high; };
    const Case cases[] = {
        {kBinaryChar, -128, 127}, {kBinaryShort, -32768, 32767}, {kBinaryLong, -2147483648.0, 2147483647.0},
        {kBinaryUChar, 0, 255},   {kBinaryUShort, 0, 65535},    {kBinaryULong, 0, 4294967295.0},
    };
    for (const Case& c : cases) {
        for (double v : {c.low, c.low + 1, -1.0, 0.0, 1.0, c.high - 1, c.high}) {
            if (v < c.low) continue;
            EXPECT_EQ(RoundTrip(c.code, v), v) << c.code;
        }
    }
    EXPECT_EQ(RoundTrip(kBinaryFloat, 0.5), 0.5);
    EXPECT_EQ(RoundTrip(kBinaryFloat, -1649267441664.0), -1649267441664.0);  // -1.5 * 2^40
    EXPECT_EQ(RoundTrip(kBinaryFloat, 0.1), static_cast<double>(0.1f));
    EXPECT_EQ(RoundTrip(kBinaryFloat, 1e300), INFINITY);
    EXPECT_TRUE(isnan(RoundTrip(kBinaryFloat, NAN)));
    for (double v : {0.1, -1e-300, 1.7976931348623157e308, 4.9e-324, (double)INFINITY})
        EXPECT_EQ(RoundTrip(kBinaryDouble, v), v);
    EXPECT_TRUE(isnan(RoundTrip(kBinaryDouble, NAN)));
    EXPECT_TRUE(signbit(RoundTrip(kBinaryDouble, -0.0)));
}
