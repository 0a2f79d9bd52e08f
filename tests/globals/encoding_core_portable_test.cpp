// The byte conversions: known vectors, truncated and malformed input, and round trips
// over every Shift_JIS pair and every UTF-16 unit.
#include <gtest/gtest.h>

#include <string>

#include "globals/encoding_core.h"

using namespace std::string_literals;

namespace {
std::string Unit(unsigned u) { return {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)}; }
std::string Pair(unsigned lead, unsigned trail) { return {static_cast<char>(lead), static_cast<char>(trail)}; }
bool IsSjisLead(unsigned b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
bool IsSjisTrail(unsigned b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }
}  // namespace

TEST(EncodingCoreTest, NamesAndCodes) {
    EXPECT_EQ(EncodingCode("ascii"), 0);
    EXPECT_EQ(EncodingCode("SJIS"), 1);
    EXPECT_EQ(EncodingCode("Euc"), 2);
    EXPECT_EQ(EncodingCode("jis"), 3);
    EXPECT_EQ(EncodingCode("UTF16"), 4);
    EXPECT_EQ(EncodingCode("utf8"), 5);
    for (const char* name : {"", "utf", "utf-8", "utf8 ", "latin", "asciii", "shift_jis"})
        EXPECT_EQ(EncodingCode(name), -1) << name;
    EXPECT_EQ(EncodingCode("utf8\0x"s), -1);
}

TEST(EncodingCoreTest, EucVectors) {
    EXPECT_EQ(SjisToEuc("\x82\xA0"), "\xA4\xA2");
    EXPECT_EQ(EucToSjis("\xA4\xA2"), "\x82\xA0");
    EXPECT_EQ(SjisToEuc("\xB1"), "\x8E\xB1");
    EXPECT_EQ(EucToSjis("\x8E\xB1"), "\xB1");
    EXPECT_EQ(SjisToEuc("\x88\x9F\x98\x9F\xEA\xA4"), "\xB0\xA1\xD0\xA1\xF4\xA6");  // first kanji of each level, last of row 84
    EXPECT_EQ(EucToSjis("\xB0\xA1\xD0\xA1\xF4\xA6"), "\x88\x9F\x98\x9F\xEA\xA4");
    EXPECT_EQ(SjisToEuc("a\0b"s), "a\0b"s);
    EXPECT_EQ(EucToSjis("a\0b"s), "a\0b"s);
}

TEST(EncodingCoreTest, SjisBytesOutsideAPairPassThrough) {
    EXPECT_EQ(SjisToEuc("\x82"), "\x82");          // lead byte at the end
    EXPECT_EQ(SjisToEuc("\x82 A"), "\x82 A");      // lead byte before a non-trail
    EXPECT_EQ(SjisToEuc("\x80\xA0\xFD\xFE\xFF"), "\x80\xA0\xFD\xFE\xFF");
    // A custom table decides what a pair is.
    EXPECT_EQ(SjisToEuc("\x82\xB1", SingleByteTable()), "\x82\x8E\xB1");
}

TEST(EncodingCoreTest, EucIncompleteCharactersAreDropped) {
    EXPECT_EQ(EucToSjis("A\xA4"), "A");
    EXPECT_EQ(EucToSjis("A\x8E"), "A");
    EXPECT_EQ(EucToSjis("A\x8F"), "A");
    EXPECT_EQ(EucToSjis("A\x8F\xA1"), "A");
    EXPECT_EQ(EucToSjis("A\x8F\xA1\xA1Z"), "AZ");  // JIS X 0212 has no Shift_JIS form
    EXPECT_EQ(EucToSjis("\x8E" "A"), "A");         // the byte after 0x8E is taken as it is
}

TEST(EncodingCoreTest, JisVectors) {
    EXPECT_EQ(SjisToJis("\x82\xA0" "A"), "\x1B$B\x24\x22\x1B(BA");
    EXPECT_EQ(SjisToJis("\x82\xA0"), "\x1B$B\x24\x22\x1B(B");
    EXPECT_EQ(SjisToJis("A\nb"), "A\nb");
    EXPECT_EQ(SjisToJis(""), "");
    EXPECT_EQ(JisToSjis("\x1B$B\x24\x22\x1B(JA"), "\x82\xA0" "A");
    EXPECT_EQ(JisToSjis("\x1B$@\x24\x22\x1B(BA"), "\x82\xA0" "A");
    // Half-width katakana travel as 0x0E and the byte without its high bit.
    EXPECT_EQ(SjisToJis("\xB1"), "\x1B$B\x0E\x31\x1B(B");
    EXPECT_EQ(JisToSjis("\x1B$B\x0E\x31\x1B(B"), "\xB1");
    // A line end inside two-byte mode closes it first.
    EXPECT_EQ(SjisToJis("\x82\xA0\n"), "\x1B$B\x24\x22\x1B(B\n");
}

TEST(EncodingCoreTest, JisEscapesNeedThreeBytes) {
    EXPECT_EQ(JisToSjis("A\x1B$"), "A\x1B$");
    EXPECT_EQ(JisToSjis("\x1B$B"), "");                 // switches, then nothing
    EXPECT_EQ(JisToSjis("\x1B(IA"), "\x1B(IA");         // unknown escapes are text
    EXPECT_EQ(JisToSjis("\x1B$B\x24"), "");             // a lone byte in two-byte mode
    EXPECT_EQ(JisToSjis("\x1B$B\x24\x22\x1B"), "\x82\xA0");
}

TEST(EncodingCoreTest, EveryPairOfRowsOneTo94RoundTrips) {
    // Leads 0xF0-0xFC (rows 95 and up, the user-defined area) have no EUC-JP row.
    std::string all;
    for (unsigned lead = 0x81; lead <= 0xEF; ++lead) {
        if (!IsSjisLead(lead)) continue;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (!IsSjisTrail(trail)) continue;
            std::string pair = Pair(lead, trail);
            std::string euc = SjisToEuc(pair);
            ASSERT_EQ(euc.size(), 2u);
            unsigned row = static_cast<uint8_t>(euc[0]) - 0xA0, cell = static_cast<uint8_t>(euc[1]) - 0xA0;
            ASSERT_TRUE(row >= 1 && row <= 94 && cell >= 1 && cell <= 94) << std::hex << lead << " " << trail;
            ASSERT_EQ(EucToSjis(euc), pair) << std::hex << lead << " " << trail;
            all += pair;
        }
    }
    EXPECT_EQ(all.size(), 2u * 94 * 94);
    EXPECT_EQ(EucToSjis(SjisToEuc(all)), all);
    std::string jis = SjisToJis(all);
    EXPECT_EQ(jis.substr(0, 3), "\x1B$B");
    EXPECT_EQ(jis.size(), all.size() + 6);
    EXPECT_EQ(JisToSjis(jis), all);
}

TEST(EncodingCoreTest, SingleBytesRoundTrip) {
    std::string text;
    for (unsigned b = 0; b < 0x80; ++b) text += static_cast<char>(b);
    for (unsigned b = 0xA1; b <= 0xDF; ++b) text += static_cast<char>(b);
    text += "\x82\xA0\xB1" "A\xB2\x88\x9F";
    EXPECT_EQ(EucToSjis(SjisToEuc(text)), text);
    // ESC $ B in the text itself would switch modes: it has no ISO-2022-JP form.
    std::string noEscape = text;
    noEscape.erase(0x1B, 1);
    EXPECT_EQ(JisToSjis(SjisToJis(noEscape)), noEscape);
}

TEST(EncodingCoreTest, Utf16ToUtf8Vectors) {
    EXPECT_EQ(Utf16ToUtf8(Unit(0xE9)), "\xC3\xA9");
    EXPECT_EQ(Utf16ToUtf8(Unit(0x3042)), "\xE3\x81\x82");
    EXPECT_EQ(Utf16ToUtf8(Unit(0) + Unit(0x7F) + Unit(0x80) + Unit(0x7FF) + Unit(0x800) + Unit(0xFFFF)),
              "\0\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF"s);
    // A surrogate pair stays two units: two three-byte sequences.
    EXPECT_EQ(Utf16ToUtf8(Unit(0xD83D) + Unit(0xDE00)), "\xED\xA0\xBD\xED\xB8\x80");
    EXPECT_EQ(Utf16ToUtf8("A\0B"s), "A");  // odd final byte ignored
    EXPECT_EQ(Utf16ToUtf8("A"), "");
}

TEST(EncodingCoreTest, Utf8ToUtf16Vectors) {
    EXPECT_EQ(Utf8ToUtf16("\xD0\x96"), Unit(0x416));
    EXPECT_EQ(Utf8ToUtf16("\xE3\x81\x82"), Unit(0x3042));
    EXPECT_EQ(Utf8ToUtf16("A\0"s), Unit('A') + Unit(0));
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80" "A"), Unit('A'));  // four-byte form dropped
    EXPECT_EQ(Utf8ToUtf16("\xF8\x88\x80\x80\x80" "A"), Unit('A'));
    EXPECT_EQ(Utf8ToUtf16("\xFC\x84\x80\x80\x80\x80" "A"), Unit('A'));
    EXPECT_EQ(Utf8ToUtf16("\xFE" "A\xFF" "B"), Unit('A') + Unit('B'));
    // Continuation bits are not checked; bit 6 of the first byte is not examined.
    EXPECT_EQ(Utf8ToUtf16("\xC3" "A"), Unit(0xC1));
    EXPECT_EQ(Utf8ToUtf16("\x96\x96"), Unit(0x596));
}

TEST(EncodingCoreTest, Utf8TruncatedSequencesAreDropped) {
    EXPECT_EQ(Utf8ToUtf16("A\xC3"), Unit('A'));
    EXPECT_EQ(Utf8ToUtf16("A\xE3\x81"), Unit('A'));
    EXPECT_EQ(Utf8ToUtf16("A\xE3"), Unit('A'));
    EXPECT_EQ(Utf8ToUtf16("A\xF0\x9F"), Unit('A'));
}

TEST(EncodingCoreTest, EveryUtf16UnitRoundTrips) {
    std::string all;
    for (unsigned u = 0; u < 0x10000; ++u) all += Unit(u);
    std::string utf8 = Utf16ToUtf8(all);
    EXPECT_EQ(utf8.size(), 0x80u + 2 * (0x800 - 0x80) + 3 * (0x10000 - 0x800));
    EXPECT_EQ(Utf8ToUtf16(utf8), all);
}
