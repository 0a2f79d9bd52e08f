// The scanner over plain bytes: format items, the input walk and the conversions,
// with the single-byte and the Shift_JIS tables.
#include <gtest/gtest.h>

#include <math.h>
#include <stdio.h>

#include <cmath>

#include "globals/scan_core.h"

namespace {
const MultiByteTable& kSjis = ShiftJisTable();
const MultiByteTable& kSingle = SingleByteTable();

// The scan as a script would see it: "[12, \"a\"]", or "none" where sscanf gives
// no result.
std::string Scan(const std::string& input, const std::string& format, bool strict = false,
                 const MultiByteTable& table = kSingle) {
    std::vector<ScanItem> items = ParseScanFormat(format, table);
    if (items.empty()) return "none";
    ScanResult r = ScanInput(input, items, table);
    if (r.texts.empty() || (strict && !r.complete)) return "none";
    std::string out = "[";
    for (const ScanValue& v : ConvertScanTexts(r.texts, items)) {
        if (out.size() > 1) out += ", ";
        if (v.isNumber) {
            char buf[64];
            snprintf(buf, sizeof buf, "%.17g", v.number);
            out += buf;
        } else {
            out += "\"" + v.text + "\"";
        }
    }
    return out + "]";
}

bool Complete(const std::string& input, const std::string& format, const MultiByteTable& table = kSingle) {
    return ScanInput(input, ParseScanFormat(format, table), table).complete;
}

std::vector<int> Kinds(const std::string& format, const MultiByteTable& table = kSingle) {
    std::vector<int> kinds;
    for (const ScanItem& item : ParseScanFormat(format, table)) kinds.push_back(item.kind);
    return kinds;
}

// Shift_JIS: "日本" 93FA 967B, "語" 8CEA, "ア" 8341 (its trail byte is "A"),
// "ン" 8393, "、" 8141.
const std::string kNihon = "\x93\xFA\x96\x7B";
const std::string kGo = "\x8C\xEA";
const std::string kA = "\x83\x41";
const std::string kN = "\x83\x93";
const std::string kComma = "\x81\x41";
}  // namespace

TEST(ScanFormatTest, EveryConversionLetterHasItsKind) {
    EXPECT_EQ(Kinds("%d%u%i%x%X%o%b%e%f%g%E%G%c%s%[a]%[^a]"),
              (std::vector<int>{1, 1, 2, 3, 3, 4, 5, 6, 6, 6, 6, 6, 7, 8, 9, 10}));
}

TEST(ScanFormatTest, FlagsWidthsLiteralsAndWhiteSpace) {
    std::vector<ScanItem> items = ParseScanFormat(" %*?12d ,\t%c%*5%", kSingle);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_TRUE(items[0].suppress && !items[0].required && items[0].width == 12);
    // a plain character: a suppressed, required Literal of width 1
    EXPECT_TRUE(items[1].set == std::vector<uint32_t>{','} && items[1].suppress && items[1].required);
    EXPECT_EQ(items[1].width, 1);
    EXPECT_TRUE(items[2].set.empty() && items[2].width == 1);  // %c without width: one character
    // %% is returned unless written %*%, and keeps a width
    EXPECT_TRUE(items[3].set == std::vector<uint32_t>{'%'} && items[3].suppress && items[3].width == 5);
    EXPECT_FALSE(ParseScanFormat("%%", kSingle)[0].suppress);
}

TEST(ScanFormatTest, OddSpecsMakeNoItem) {
    // "?" before "*" is not a flag: the conversion ends there and "*" and "d" are literals.
    std::vector<ScanItem> items = ParseScanFormat("%?*d", kSingle);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].set, std::vector<uint32_t>{'*'});
    EXPECT_EQ(items[1].set, std::vector<uint32_t>{'d'});
    EXPECT_EQ(Kinds("%q%"), (std::vector<int>{7}));  // the "q" literal; a lone % at the end: nothing
    EXPECT_EQ(Kinds("%5 d"), (std::vector<int>{7}));  // the blank is skipped, "d" is a literal
    EXPECT_TRUE(Kinds("").empty());
    EXPECT_TRUE(Kinds(" \t\r\n").empty());
    EXPECT_EQ(ParseScanFormat("%99999999999d", kSingle)[0].width, 2147483647);
    EXPECT_EQ(Kinds(std::string("%d\0%s", 5)), (std::vector<int>{1}));  // the format ends at NUL
}

TEST(ScanFormatTest, SetsAndRanges) {
    std::vector<ScanItem> items = ParseScanFormat("%[abc]%[^z-a]%[a-c-e]%[+-]%[-x]", kSingle);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].set, (std::vector<uint32_t>{'a', 'b', 'c'}));
    EXPECT_EQ(items[1].kind, kScanNotSet);
    // a range written backwards is the same range; its second end is read again
    EXPECT_TRUE(items[1].IsMember('m'));
    EXPECT_TRUE(items[1].IsMember('z'));
    EXPECT_FALSE(items[1].IsMember('A'));
    EXPECT_TRUE(items[2].IsMember('d'));
    EXPECT_FALSE(items[2].IsMember('f'));
    // "-" just before "]" or first is a member, not a range
    EXPECT_EQ(items[3].set, (std::vector<uint32_t>{'+', '-'}));
    EXPECT_TRUE(items[3].ranges.empty());
    EXPECT_FALSE(items[3].IsMember('5'));
    EXPECT_EQ(items[4].set, (std::vector<uint32_t>{'-', 'x'}));
    // empty sets make no item; an unclosed set ends the parse
    EXPECT_EQ(Kinds("%[]d%[^]%d"), (std::vector<int>{7, 1}));
    EXPECT_EQ(Kinds("%d%[abc"), (std::vector<int>{1}));
    EXPECT_EQ(Kinds("%d%[a-"), (std::vector<int>{1}));
    EXPECT_EQ(Kinds("%d%[^"), (std::vector<int>{1}));
}

TEST(ScanFormatTest, DoubleByteCharactersAreOneCharacter) {
    std::vector<ScanItem> items = ParseScanFormat(kGo + "%[" + kA + "-" + kN + kComma + "]%" + kNihon, kSjis);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].set, std::vector<uint32_t>{0x8CEA});
    EXPECT_EQ(items[1].ranges, (std::vector<std::pair<uint32_t, uint32_t>>{{0x8341, 0x8393}}));
    EXPECT_EQ(items[1].set, (std::vector<uint32_t>{0x8393, 0x8141}));  // the range end again
    // "%日" is no conversion: both characters become literals
    EXPECT_EQ(items[2].set, std::vector<uint32_t>{0x93FA});
    EXPECT_EQ(items[3].set, std::vector<uint32_t>{0x967B});
    // without lead bytes, every byte is a character of its own
    EXPECT_EQ(ParseScanFormat(kGo, kSingle).size(), 2u);
    // a lead byte at the end, or before a byte that is no trail byte, stands alone
    EXPECT_EQ(ParseScanFormat("a\x83", kSjis)[1].set, std::vector<uint32_t>{0x83});
    EXPECT_EQ(ParseScanFormat("\x83\x20", kSjis).size(), 1u);
    // "]" (0x5D) is a trail byte: after a lead byte it closes no set
    EXPECT_TRUE(Kinds("%[\x93]", kSjis).empty());
    EXPECT_EQ(Kinds("%[\x93]", kSingle), (std::vector<int>{9}));
}

TEST(ScanInputTest, TypicalFormats) {
    EXPECT_EQ(Scan("12 34", "%d %d"), "[12, 34]");
    EXPECT_EQ(Scan("12,34", "%d,%d"), "[12, 34]");
    EXPECT_EQ(Scan("12,3", "%d,%d"), "[12, 3]");
    EXPECT_EQ(Scan("12 abc", "%d %d"), "[12]");
    EXPECT_EQ(Scan("12 abc", "%d %d", true), "none");
    EXPECT_EQ(Scan("12 34 xyz", "%d %d", true), "none");
    EXPECT_EQ(Scan("12 34 xyz", "%d %d"), "[12, 34]");
    EXPECT_EQ(Scan("abc", "%d"), "none");
    EXPECT_EQ(Scan("2008/12/31", "%d/%d/%d"), "[2008, 12, 31]");
    EXPECT_EQ(Scan("key=value", "%[^=]=%s"), "[\"key\", \"value\"]");
    EXPECT_EQ(Scan("x=5", "%*[^=]=%d"), "[5]");
    EXPECT_EQ(Scan("  a", "%c"), "[\" \"]");
    EXPECT_EQ(Scan("12345", "%2d%3d"), "[12, 345]");
    EXPECT_EQ(Scan("5%", "%d%%"), "[5, \"%\"]");
    EXPECT_EQ(Scan("5", ""), "none");
    EXPECT_EQ(Scan("-0x1f 017 0b101 42", "%i %i %i %i"), "[-31, 15, 5, 42]");
}

TEST(ScanInputTest, WhiteSpaceSkippingPerKind) {
    EXPECT_EQ(Scan(" \t\n7 \v\f\r8", "%d%x"), "[7, 8]");
    EXPECT_EQ(Scan(" 1.5  word", "%f%s"), "[1.5, \"word\"]");
    // %i skips nothing but takes white space before its digits; with no digit the
    // text reads as 0, as a lone sign does for %d
    EXPECT_EQ(Scan(" 7 \t-8", "%i %i"), "[7, -8]");
    EXPECT_EQ(Scan(" x", "%i%s"), "[0, \"x\"]");
    EXPECT_EQ(Scan("+x", "%d%s"), "[0, \"x\"]");
    EXPECT_EQ(Scan(" ab", "%[a-z]"), "none");  // nor do sets
    EXPECT_EQ(Scan(" ab", "%[^b]"), "[\" a\"]");
    EXPECT_EQ(Scan("a  ,b", "%c,%c"), "[\"a\", \"b\"]");  // a literal skips, %c does not
    EXPECT_EQ(Scan("1  %", "%d%%"), "[1, \"%\"]");
    // only the C locale's white space: 0xA0 is an ordinary byte
    EXPECT_EQ(Scan("\xA0x", "%s"), "[\"\xA0x\"]");
}

TEST(ScanInputTest, WhatEachKindTakes) {
    EXPECT_EQ(Scan("+12-3", "%d%d"), "[12, -3]");      // a sign only first
    EXPECT_EQ(Scan("--1", "%d%s"), "[0, \"-1\"]");
    EXPECT_EQ(Scan("0x1fg", "%x%s"), "[31, \"g\"]");
    EXPECT_EQ(Scan("1fx", "%x%s"), "[31, \"x\"]");       // "x" only after a lone 0
    EXPECT_EQ(Scan("-ff", "%X"), "[-255]");
    EXPECT_EQ(Scan("0789", "%o%d"), "[7, 89]");
    EXPECT_EQ(Scan("-0b1012", "%b%d"), "[-5, 2]");
    EXPECT_EQ(Scan("0x1Fz", "%i%s"), "[31, \"z\"]");
    EXPECT_EQ(Scan("0b12", "%i%d"), "[1, 2]");
    EXPECT_EQ(Scan("0178", "%i%d"), "[15, 8]");
    EXPECT_EQ(Scan("-19a", "%i%s"), "[-19, \"a\"]");
    EXPECT_EQ(Scan("1-2", "%i%d"), "[1, -2]");
    EXPECT_EQ(Scan("0xz", "%i%s"), "[0, \"z\"]");
    EXPECT_EQ(Scan("1.5e-3x", "%f%s"), "[0.0015, \"x\"]");
    EXPECT_EQ(Scan("1-2+3", "%g"), "[1]");               // Float takes its characters in any order
    EXPECT_EQ(Scan("ab cd", "%s%s"), "[\"ab\", \"cd\"]");
    EXPECT_EQ(Scan("a", "b"), "none");
}

TEST(ScanInputTest, WidthsCountBytes) {
    EXPECT_EQ(Scan("abcdef", "%3s%2c%s"), "[\"abc\", \"de\", \"f\"]");
    EXPECT_EQ(Scan("-1234", "%3d%d"), "[-12, 34]");
    EXPECT_EQ(Scan("1.25e2", "%4f%s"), "[1.25, \"e2\"]");
    EXPECT_EQ(Scan("%%%a", "%2%%s"), "[\"%%\", \"%a\"]");  // a set of one takes its member only
    // a double-byte character is never split: a width ending inside one takes it whole
    EXPECT_EQ(Scan("a" + kNihon + "b", "%2s%s", false, kSjis), "[\"a\x93\xFA\", \"\x96\x7B" "b\"]");
    EXPECT_EQ(Scan(kNihon, "%c", false, kSjis), "[\"\x93\xFA\"]");
    EXPECT_EQ(Scan(kNihon, "%c", false, kSingle), "[\"\x93\"]");
}

TEST(ScanInputTest, OptionalItemsAndSuppression) {
    // an optional item that finds nothing is passed over; each text keeps the kind
    // of the item that collected it
    EXPECT_EQ(Scan("abc", "%?d%s"), "[\"abc\"]");
    EXPECT_EQ(Scan("12abc", "%?d%s"), "[12, \"abc\"]");
    EXPECT_EQ(Scan("a-b", "%[a-z]%?[0-9]-%s"), "[\"a\", \"b\"]");
    EXPECT_EQ(Scan("ab", "%*c%c"), "[\"b\"]");
    EXPECT_EQ(Scan("ab", "%*c%*c"), "none");  // nothing returned
    EXPECT_EQ(Scan("a", "%*?d%c"), "[\"a\"]");
}

TEST(ScanInputTest, Completeness) {
    EXPECT_TRUE(Complete("12 34  \r\n", "%d %d"));
    EXPECT_FALSE(Complete("12 34 x", "%d %d"));
    EXPECT_FALSE(Complete("12", "%d %d"));
    EXPECT_FALSE(Complete("12", "%d,"));
    // optional items left when the input runs out are passed over
    EXPECT_TRUE(Complete("12", "%d %?d %?s"));
    EXPECT_TRUE(Complete("12", "%d%*?[,]"));
    EXPECT_FALSE(Complete("12", "%d %?d %s"));
    EXPECT_FALSE(Complete("12 x", "%d %?d"));
    EXPECT_TRUE(Complete("", ""));
    EXPECT_FALSE(Complete("x", ""));
    EXPECT_EQ(Scan("12 x", "%d %?d", true), "none");
    EXPECT_EQ(Scan("12", "%d %?d", true), "[12]");
    // the input ends at its first NUL byte
    EXPECT_EQ(Scan(std::string("12\0 34", 6), "%d %d", true), "none");
    EXPECT_EQ(Scan(std::string("12\0", 3), "%d", true), "[12]");
}

TEST(ScanInputTest, DoubleByteInput) {
    // a trail byte that equals a set member or a literal is part of its character
    EXPECT_EQ(Scan(kA + "A", "%[A]", false, kSjis), "none");
    EXPECT_EQ(Scan(kA + "A", "%[^A]%s", false, kSjis), "[\"\x83\x41\", \"A\"]");
    EXPECT_EQ(Scan(kA, "%*[\x83]A", true, kSjis), "none");
    EXPECT_EQ(Scan(kA, "%*[\x83]A", true, kSingle), "none");  // nothing returned, but it matches:
    EXPECT_TRUE(Complete(kA, "%*[\x83]A", kSingle));
    EXPECT_FALSE(Complete(kA, "%*[\x83]A", kSjis));
    // words split at a double-byte comma; a range of katakana
    EXPECT_EQ(Scan(kNihon + kComma + kGo, "%[^" + kComma + "]" + kComma + "%s", true, kSjis),
              "[\"" + kNihon + "\", \"" + kGo + "\"]");
    EXPECT_EQ(Scan(kA + kN + kGo, "%[" + kA + "-" + kN + "]%s", true, kSjis),
              "[\"" + kA + kN + "\", \"" + kGo + "\"]");
    // an input that ends inside a character: the lead byte stands alone
    EXPECT_EQ(Scan("ab\x93", "%s", true, kSjis), "[\"ab\x93\"]");
    EXPECT_EQ(Scan("1\x93", "%d%s", true, kSjis), "[1, \"\x93\"]");
    EXPECT_EQ(Scan("\x93", "%c", true, kSjis), "[\"\x93\"]");
}

TEST(ScanConvertTest, Atoi) {
    EXPECT_EQ(ScanAtoi(" -42x"), -42);
    EXPECT_EQ(ScanAtoi("+7"), 7);
    EXPECT_EQ(ScanAtoi("-"), 0);
    EXPECT_EQ(ScanAtoi("2147483647"), 2147483647);
    EXPECT_EQ(ScanAtoi("2147483648"), 2147483647);  // clamped, as strtol does
    EXPECT_EQ(ScanAtoi("-2147483648"), INT32_MIN);
    EXPECT_EQ(ScanAtoi("-99999999999999999999999"), INT32_MIN);
}

TEST(ScanConvertTest, RadixRules) {
    EXPECT_EQ(ScanRadix("-0x1F", 16), -31);
    EXPECT_EQ(ScanRadix("+0x10", 16), 16);
    EXPECT_EQ(ScanRadix("1-0", 16), 16);  // a "-" after the first digit is skipped
    EXPECT_EQ(ScanRadix("100000001", 16), 1);  // 32-bit wrapping
    EXPECT_EQ(ScanRadix("80000000", 16), INT32_MIN);
    EXPECT_EQ(ScanRadix("-80000000", 16), INT32_MIN);
    EXPECT_EQ(ScanRadix("0789", 8), 7);
    EXPECT_EQ(ScanRadix("-17", 8), -15);
    EXPECT_EQ(ScanRadix("1-01", 2), -5);  // the first sign anywhere counts for binary
    EXPECT_EQ(ScanRadix("+1-01", 2), 5);
    EXPECT_EQ(ScanRadix("0b102", 2), 2);
    EXPECT_EQ(ScanRadix("", 16), 0);
}

TEST(ScanConvertTest, IntegerPrefixes) {
    EXPECT_EQ(ScanInteger(" - 0x10"), -16);
    EXPECT_EQ(ScanInteger("-0"), 0);
    EXPECT_EQ(ScanInteger("08"), 0);
    EXPECT_EQ(ScanInteger("0xFFFFFFFF"), -1);
}

TEST(ScanConvertTest, Atof) {
    EXPECT_EQ(ScanAtof(" -.25e+1x"), -2.5);
    EXPECT_EQ(ScanAtof("1e"), 1.0);
    EXPECT_EQ(ScanAtof("."), 0.0);
    EXPECT_EQ(ScanAtof("+-1"), 0.0);
    EXPECT_EQ(ScanAtof("0.1"), 0.1);
    EXPECT_EQ(ScanAtof("123456789012345678901234567890"), 123456789012345678901234567890.0);
    EXPECT_EQ(ScanAtof("0.000000000000000000000000000001"), 1e-30);
    EXPECT_EQ(ScanAtof("1e999999999999"), HUGE_VAL);
    EXPECT_EQ(ScanAtof("1e-999999999999"), 0.0);
    EXPECT_TRUE(std::signbit(ScanAtof("-0.0")));
    // more digits than kept: a halfway case decided by a digit far out
    std::string halfway = "9007199254740993" + std::string(900, '0') + "1e-901";
    EXPECT_EQ(ScanAtof(halfway), 9007199254740994.0);
    EXPECT_EQ(ScanAtof("9007199254740993" + std::string(900, '0') + "e-900"), 9007199254740992.0);
}
