// Backslash escapes byte by byte: the table, dropped pairs and a trailing backslash.
#include <gtest/gtest.h>

#include "globals/value_functions_core.h"

TEST(UnescapeBytesTest, TableDroppedPairsAndTrailingBackslash) {
    EXPECT_EQ(UnescapeBytes("\\a\\b\\t\\n\\v\\f\\r\\\"\\'\\\\"), "\a\b\t\n\v\f\r\"'\\");
    EXPECT_EQ(UnescapeBytes("\\0\\0"), std::string(2, '\0'));
    EXPECT_EQ(UnescapeBytes("x\\q\\x41"), "x41");
    EXPECT_EQ(UnescapeBytes("end\\"), "end");
    EXPECT_EQ(UnescapeBytes("\\\\\\"), "\\");
    // Bytes, not characters: a double-byte character's 0x5C trail starts an escape.
    EXPECT_EQ(UnescapeBytes("\x83\x5Cn\xFF"), "\x83\n\xFF");
}
