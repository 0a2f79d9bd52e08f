// The formatted scanner behind sscanf: its own format language, parsed into items,
// an input walk that collects texts, and the conversions of those texts. Free of
// platform headers; never reads outside its input or format.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <string>
#include <utility>
#include <vector>

#include "object/multibyte.h"

enum ScanKind : int {
    kScanDecimal = 1,  // %d %u
    kScanInteger = 2,  // %i
    kScanHex = 3,      // %x %X
    kScanOctal = 4,    // %o
    kScanBinary = 5,   // %b
    kScanFloat = 6,    // %e %f %g %E %G
    kScanChar = 7,     // %c (empty set), or a literal character / %% (set of one)
    kScanWord = 8,     // %s
    kScanSet = 9,      // %[...]
    kScanNotSet = 10,  // %[^...]
};

struct ScanItem {
    int kind = 0;
    int width = 0;  // maximum bytes to collect; 0: no limit
    bool suppress = false;
    bool required = true;
    std::vector<uint32_t> set;  // character codes: lead * 256 + trail for two-byte ones
    // Ranges of a set, inclusive, low end first. Kept apart from set so that a range
    // over the double-byte codes costs two numbers, not thousands.
    std::vector<std::pair<uint32_t, uint32_t>> ranges;

    bool IsMember(uint32_t code) const;
};

// Texts and format end at their first NUL byte, as they would for the C run-time.
std::vector<ScanItem> ParseScanFormat(const std::string& format, const MultiByteTable& narrow);

struct ScanText {
    size_t item = 0;  // index of the item that collected the text
    std::string text;
};

struct ScanResult {
    std::vector<ScanText> texts;  // one per unsuppressed item that collected text
    bool complete = false;        // no required item went without text, only white space left
};

ScanResult ScanInput(const std::string& input, const std::vector<ScanItem>& items, const MultiByteTable& narrow);

// One converted value: a number for kinds 1 to 6, else the text.
struct ScanValue {
    bool isNumber = false;
    double number = 0;
    std::string text;
};

// Converts each text by the kind of the item that collected it.
std::vector<ScanValue> ConvertScanTexts(const std::vector<ScanText>& texts, const std::vector<ScanItem>& items);

// The number rules of the conversions, exposed for tests.
int32_t ScanAtoi(const std::string& text);     // C atoi, clamped to 32 bits like strtol
double ScanAtof(const std::string& text);      // C atof, independent of the process locale
int32_t ScanRadix(const std::string& text, int base);  // the 16, 8 and 2 rules
int32_t ScanInteger(const std::string& text);  // %i: prefix 0x, 0b, 0 or decimal
