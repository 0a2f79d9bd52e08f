// The byte conversions against glibc's iconv over every JIS X 0208 character both
// converters know, and the places where the host's arithmetic differs on purpose.
#include <gtest/gtest.h>

#include <iconv.h>

#include <string>
#include <vector>

#include "globals/encoding_core.h"

using namespace std::string_literals;

namespace {
// The whole input through iconv; false on any character it cannot convert.
bool Iconv(const char* from, const char* to, const std::string& in, std::string* out) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    std::string buffer(in.size() * 4 + 16, '\0');
    char* ip = const_cast<char*>(in.data());
    size_t il = in.size();
    char* op = &buffer[0];
    size_t ol = buffer.size();
    bool ok = iconv(cd, &ip, &il, &op, &ol) != static_cast<size_t>(-1) &&
              iconv(cd, nullptr, nullptr, &op, &ol) != static_cast<size_t>(-1);
    iconv_close(cd);
    buffer.resize(buffer.size() - ol);
    *out = buffer;
    return ok;
}

std::string Must(const char* from, const char* to, const std::string& in) {
    std::string out;
    EXPECT_TRUE(Iconv(from, to, in, &out)) << from << " to " << to;
    return out;
}

std::string SjisOfRowCell(unsigned row, unsigned cell) {
    unsigned lead = (row + 1) / 2 + (row <= 62 ? 0x80 : 0xC0);
    unsigned trail = row % 2 ? cell + 0x3F + (cell >= 64 ? 1 : 0) : cell + 0x9E;
    return {static_cast<char>(lead), static_cast<char>(trail)};
}

std::string Unit(unsigned u) { return {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)}; }

// Shift_JIS text: printable ASCII, half-width katakana, then every character of rows
// 1-84 that EUC-JP and CP932 both decode to the same Unicode character, 40 to a line.
struct Corpus {
    std::string sjis;           // the whole text
    std::string sjisNoKana;     // without the half-width katakana line
    std::vector<std::string> differing;  // pairs whose Unicode differs between the two
    size_t characters = 0;

    Corpus() {
        std::string ascii, kana, kanji;
        for (int c = 0x20; c <= 0x7E; ++c) ascii += static_cast<char>(c);
        for (int c = 0xA1; c <= 0xDF; ++c) kana += static_cast<char>(c);
        for (unsigned row = 1; row <= 84; ++row) {
            for (unsigned cell = 1; cell <= 94; ++cell) {
                std::string euc{static_cast<char>(row + 0xA0), static_cast<char>(cell + 0xA0)};
                std::string sjis = SjisOfRowCell(row, cell), u1, u2;
                if (!Iconv("EUC-JP", "UTF-16LE", euc, &u1) || !Iconv("CP932", "UTF-16LE", sjis, &u2)) continue;
                if (u1 != u2) {
                    differing.push_back(sjis);
                    continue;
                }
                kanji += sjis;
                if (++characters % 40 == 0) kanji += '\n';
            }
        }
        sjis = ascii + "\n" + kana + "\n" + kanji + "\n";
        sjisNoKana = ascii + "\n" + kanji + "\n";
    }
};

const Corpus& TheCorpus() {
    static const Corpus corpus;
    return corpus;
}
}  // namespace

TEST(EncodingIconvTest, CorpusCoversBothLevels) {
    // JIS X 0208 has 6879 characters; six decode differently in EUC-JP and CP932.
    EXPECT_EQ(TheCorpus().characters + TheCorpus().differing.size(), 6879u);
    EXPECT_LE(TheCorpus().differing.size(), 6u);
}

TEST(EncodingIconvTest, EucAgreesWithIconv) {
    const std::string& sjis = TheCorpus().sjis;
    std::string euc = Must("CP932", "EUC-JP", sjis);
    EXPECT_TRUE(SjisToEuc(sjis) == euc);
    EXPECT_TRUE(EucToSjis(euc) == sjis);
}

TEST(EncodingIconvTest, JisAgreesWithIconv) {
    const std::string& sjis = TheCorpus().sjisNoKana;
    std::string jis = Must("CP932", "ISO-2022-JP", sjis);
    EXPECT_TRUE(SjisToJis(sjis) == jis);
    EXPECT_TRUE(JisToSjis(jis) == sjis);
}

TEST(EncodingIconvTest, Utf8AgreesWithIconv) {
    std::string utf16 = Must("CP932", "UTF-16LE", TheCorpus().sjis);
    std::string utf8 = Must("UTF-16LE", "UTF-8", utf16);
    EXPECT_TRUE(Utf16ToUtf8(utf16) == utf8);
    EXPECT_TRUE(Utf8ToUtf16(utf8) == utf16);

    // Every unit of the basic plane that is not a surrogate.
    std::string plane;
    for (unsigned u = 0; u < 0x10000; ++u)
        if (u < 0xD800 || u > 0xDFFF) plane += Unit(u);
    std::string planeUtf8 = Must("UTF-16LE", "UTF-8", plane);
    EXPECT_TRUE(Utf16ToUtf8(plane) == planeUtf8);
    EXPECT_TRUE(Utf8ToUtf16(planeUtf8) == plane);
}

TEST(EncodingIconvTest, SurrogatePairsAreWrittenAsTwoThreeByteSequences) {
    std::string pair = Unit(0xD83D) + Unit(0xDE00);
    EXPECT_EQ(Must("UTF-16LE", "UTF-8", pair), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf16ToUtf8(pair), "\xED\xA0\xBD\xED\xB8\x80");
}

TEST(EncodingIconvTest, FourByteUtf8IsDropped) {
    EXPECT_EQ(Must("UTF-8", "UTF-16LE", "\xF0\x9F\x98\x80"), Unit(0xD83D) + Unit(0xDE00));
    EXPECT_EQ(Utf8ToUtf16("a\xF0\x9F\x98\x80z"), Unit('a') + Unit('z'));
}

TEST(EncodingIconvTest, JisX0212IsDropped) {
    std::string euc = "a\x8F\xB0\xA1z";  // U+4E02, a JIS X 0212 kanji
    EXPECT_EQ(Must("EUC-JP", "UTF-16LE", euc), Unit('a') + Unit(0x4E02) + Unit('z'));
    std::string sjis;
    EXPECT_FALSE(Iconv("EUC-JP", "CP932", euc, &sjis));
    EXPECT_EQ(EucToSjis(euc), "az");
}

TEST(EncodingIconvTest, HalfWidthKatakanaInIso2022JpAreShiftOutBytes) {
    std::string jis;
    EXPECT_FALSE(Iconv("CP932", "ISO-2022-JP", "\xB1", &jis));  // not in ISO-2022-JP
    EXPECT_EQ(Must("CP932", "ISO-2022-JP-3", "\xB1"), "\x1B(I\x31\x1B(B");
    EXPECT_EQ(SjisToJis("\xB1"), "\x1B$B\x0E\x31\x1B(B");
    EXPECT_EQ(JisToSjis("\x1B$B\x0E\x31\x1B(B"), "\xB1");
    // The JIS X 0201 katakana escape is not one of the four the reader knows.
    EXPECT_EQ(JisToSjis("\x1B(I\x31\x1B(B"), "\x1B(I1");
}

TEST(EncodingIconvTest, BackslashAndTildeStayAsciiUnlikeGlibcShiftJis) {
    // glibc's SHIFT_JIS reads 0x5C and 0x7E as JIS X 0201 yen sign and overline;
    // CP932 and the arithmetic keep them ASCII.
    EXPECT_EQ(Must("SHIFT_JIS", "UTF-16LE", "\\~"), Unit(0xA5) + Unit(0x203E));
    EXPECT_EQ(Must("CP932", "UTF-16LE", "\\~"), Unit('\\') + Unit('~'));
    EXPECT_EQ(SjisToEuc("\\~"), Must("CP932", "EUC-JP", "\\~"));
    EXPECT_EQ(SjisToJis("\\~"), "\\~");
}

TEST(EncodingIconvTest, RowOneCharactersThatDecodeDifferentlyKeepTheirRowAndCell) {
    // Wave dash, double vertical line, minus, cent, pound, not: EUC-JP and CP932 give
    // them different Unicode characters; the arithmetic maps row and cell as for any other.
    const std::string pairs[] = {"\x81\x60", "\x81\x61", "\x81\x7C", "\x81\x91", "\x81\x92", "\x81\xCA"};
    const std::string eucs[] = {"\xA1\xC1", "\xA1\xC2", "\xA1\xDD", "\xA1\xF1", "\xA1\xF2", "\xA2\xCC"};
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(SjisToEuc(pairs[i]), eucs[i]);
        EXPECT_EQ(EucToSjis(eucs[i]), pairs[i]);
    }
    for (const std::string& pair : TheCorpus().differing) {
        bool known = false;
        for (const std::string& p : pairs) known = known || p == pair;
        EXPECT_TRUE(known) << std::hex << (pair[0] & 0xFF) << (pair[1] & 0xFF);
    }
}

TEST(EncodingIconvTest, NecRow13FollowsTheArithmetic) {
    // CP932's NEC special characters (lead 0x87) are row 13, which plain EUC-JP lacks
    // and EUC-JP-MS places where the arithmetic does.
    std::string nec = "\x87\x40\x87\x54\x87\x5F";  // circled digit one, roman numeral one, milli
    std::string euc;
    EXPECT_FALSE(Iconv("CP932", "EUC-JP", nec, &euc));
    EXPECT_EQ(SjisToEuc(nec), Must("CP932", "EUC-JP-MS", nec));
    EXPECT_EQ(EucToSjis(Must("CP932", "EUC-JP-MS", nec)), nec);
}
