// FormatArgs: every conversion class, the walk's corner cases and unsafe specs.
#include <gtest/gtest.h>

#include <math.h>

#include "globals/format.h"
#include "globals/format_core.h"

namespace {
struct Value {
    Value(double d) : v(d) {}
    Value(const char* s) : v(s) {}
    com_var v;
};

std::string Sprintf(std::initializer_list<Value> values) {
    ArgList args;
    for (const Value& value : values) args.push_back(value.v);
    return FormatArgs(args);
}
}  // namespace

TEST(FormatTest, IntegerConversions) {
    EXPECT_EQ(Sprintf({"%d", 3.9}), "3");
    EXPECT_EQ(Sprintf({"%d", -3.9}), "-3");
    EXPECT_EQ(Sprintf({"%d", 4294967296.0}), "0");
    EXPECT_EQ(Sprintf({"%u", -1.0}), "4294967295");
    EXPECT_EQ(Sprintf({"%x", 255.0}), "ff");
    EXPECT_EQ(Sprintf({"%X|%o|%i", 255.0, 8.0, 7.0}), "FF|10|7");
    EXPECT_EQ(Sprintf({"%c", 65.0}), "A");
    EXPECT_EQ(Sprintf({"[%c]", 0.0}), "[]");
    EXPECT_EQ(Sprintf({"%d", "12"}), "12");
    EXPECT_EQ(Sprintf({"%d", NAN}), "0");
    EXPECT_EQ(Sprintf({"%d", INFINITY}), "0");
    EXPECT_EQ(Sprintf({"%hd", 65537.0}), "1");
    EXPECT_EQ(Sprintf({"%+05d", 42.0}), "+0042");
}

TEST(FormatTest, FloatingAndStrings) {
    EXPECT_EQ(Sprintf({"%5.1f|%-4s|", 3.14159, "ab"}), "  3.1|ab  |");
    EXPECT_EQ(Sprintf({"%g", 0.5}), "0.5");
    EXPECT_EQ(Sprintf({"%s", 10.0}), "10");
    EXPECT_EQ(Sprintf({"%.2s", "abcdef"}), "ab");
    EXPECT_EQ(Sprintf({"%e", 1.0}).substr(0, 10), "1.000000e+");
}

TEST(FormatTest, BinaryConversion) {
    EXPECT_EQ(Sprintf({"%b", 5.0}), "101");
    EXPECT_EQ(Sprintf({"%8b", 5.0}), "     101");
    EXPECT_EQ(Sprintf({"%08b", 5.0}), "00000101");
    EXPECT_EQ(Sprintf({"%-8b", 5.0}), "     101");
    EXPECT_EQ(Sprintf({"%b", 0.0}), "0");
    EXPECT_EQ(Sprintf({"%b", -1.0}), std::string(32, '1'));
    EXPECT_EQ(Sprintf({"%2b", 255.0}), "11111111");  // never cut
    EXPECT_EQ(Sprintf({"%4.9b", 1.0}), "   1");        // precision has no effect
}

TEST(FormatTest, TheWalk) {
    EXPECT_EQ(Sprintf({}), "");
    EXPECT_EQ(Sprintf({"%d %d", 1.0}), "1 ");
    EXPECT_EQ(Sprintf({"%d", 1.0, 2.0}), "1");
    EXPECT_EQ(Sprintf({"100%"}), "100");
    EXPECT_EQ(Sprintf({"%%"}), "%");
    EXPECT_EQ(Sprintf({"%5%"}), "%");
    EXPECT_EQ(Sprintf({"%q", 1.0}), "q");
    EXPECT_EQ(Sprintf({"%*d", 5.0}), "*d");
    EXPECT_EQ(Sprintf({"%n|%p", 1.0}), "n|p");
    EXPECT_EQ(Sprintf({"a%-"}), "a");
    EXPECT_EQ(Sprintf({"plain"}), "plain");
}

TEST(FormatTest, LongRenderingsAreCut) {
    EXPECT_EQ(Sprintf({"%9000s", "x"}), std::string(8191, ' '));
    EXPECT_EQ(Sprintf({"%9000s|%s", "x", "y"}), std::string(8191, ' ') + "|y");
    std::string big(20000, 'z');
    EXPECT_EQ(Sprintf({"%s", big.c_str()}).size(), 8191u);
    EXPECT_EQ(Sprintf({"%99999b", 1.0}).size(), 8191u);
}

TEST(FormatTest, LengthLettersNeverWidenTheValue) {
    // These would make the run-time read a 64-bit integer, a wide string or a long
    // double where a 32-bit int, a narrow string or a double was passed.
    EXPECT_EQ(Sprintf({"%lld", 7.0}), "7");
    EXPECT_EQ(Sprintf({"%Ld|%ls|%hs", 7.0, "ab", "cd"}), "7|ab|cd");
    EXPECT_EQ(Sprintf({"%Lf", 1.5}), "1.500000");
    EXPECT_EQ(Sprintf({"%ld", -2.0}), "-2");
}
