// Fuzzes the binary value types: the input is a type name and an encoding name (both
// compared without case, so their upper-case forms name the same things) and, under the type its first byte picks,
// the bytes of one value: written back, they are the same bytes; and a number from
// the last eight bytes, written, reads back as itself truncated and wrapped to the type.
#include "check.h"
#include "data/binary_type.h"
#include "globals/encoding_core.h"

#include <math.h>
#include <string.h>

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    std::string name(reinterpret_cast<const char*>(data), size);
    const int named = BinaryTypeCode(name);
    const int encoding = EncodingCode(name);
    Check(encoding >= kEncodingUnknown && encoding <= kEncodingUtf8);
    Check(named >= kBinaryUnknown && named <= kBinaryDouble);
    Check((named == kBinaryUnknown) == (BinaryTypeSize(named) == 0));
    for (char& c : name) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    Check(BinaryTypeCode(name) == named && EncodingCode(name) == encoding);
    if (size == 0) return 0;

    const int code = 1 + data[0] % 8;
    const size_t bytes = BinaryTypeSize(code);
    Check(bytes == 1 || bytes == 2 || bytes == 4 || bytes == 8);
    if (size < 1 + bytes) return 0;
    const double value = ReadBinary(code, data + 1);
    Check(InBinaryRange(code, value));
    uint8_t out[8];
    WriteBinary(code, value, out);
    // float widens a signalling NaN to a quiet one
    if (!(code == kBinaryFloat && isnan(value))) Check(memcmp(out, data + 1, bytes) == 0);

    if (size < 9) return 0;
    double number;
    memcpy(&number, data + size - 8, 8);
    WriteBinary(code, number, out);
    const double back = ReadBinary(code, out);
    if (code == kBinaryDouble) {
        Check(memcmp(&back, &number, 8) == 0);
    } else if (code == kBinaryFloat) {
        Check(isnan(number) ? isnan(back) : back == static_cast<double>(static_cast<float>(number)));
    } else {
        // integers: the value truncated toward zero, its low bytes kept; beyond 64 bits 0
        const bool fits = number > -9.2233720368547758e18 && number < 9.2233720368547758e18;
        const uint64_t whole = fits ? static_cast<uint64_t>(static_cast<int64_t>(number)) : 0;
        const uint64_t mask = bytes == 8 ? ~0ull : (1ull << (8 * bytes)) - 1;
        Check(InBinaryRange(code, back));
        const uint64_t low = static_cast<uint64_t>(static_cast<int64_t>(back)) & mask;
        Check(low == (whole & mask));
    }
    return 0;
}
