// The formatted scanner behind sscanf: its own format language, parsed into items,
// an input walk that collects texts, and the conversions of those texts. Free of
// platform headers; never reads outside its input or format.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include "globals/multibyte.h"

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
};

std::vector<ScanItem> ParseScanFormat(const std::string& format, const MultiByteTable& narrow);

struct ScanResult {
    std::vector<std::string> texts;  // one per unsuppressed item that collected text
    bool complete = false;           // every item processed, only white space left
};

ScanResult ScanInput(const std::string& input, const std::vector<ScanItem>& items, const MultiByteTable& narrow);

// One converted value: a number for kinds 1 to 6, else the text.
struct ScanValue {
    bool isNumber = false;
    double number = 0;
    std::string text;
};

// Pairs the texts with the unsuppressed items in order and converts each.
std::vector<ScanValue> ConvertScanTexts(const std::vector<std::string>& texts, const std::vector<ScanItem>& items);
