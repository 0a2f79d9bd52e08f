// Colour texts: the hexadecimal forms with their sign rule, names without case, and
// the desktop scheme's "@" names.
#include <gtest/gtest.h>

#include <string.h>

#include "image/colour_core.h"

namespace {
// Answers 0x00BBGGRR like the platform: blue 0x30, green 0x20, red 0x10 plus the index.
uint32_t FakeScheme(int index) { return 0x302010u + static_cast<uint32_t>(index); }

uint32_t Parse(const char* text, uint32_t (*scheme)(int) = FakeScheme) {
    return PackColour(ColourFromText(text, strlen(text), scheme));
}
}  // namespace

TEST(ColourTest, Texts) {
    struct Case { const char* text; uint32_t argb; };
    const Case cases[] = {
        {"#ff8000", 0xFFFF8000},   {"#FF8000", 0xFFFF8000},    {"#80ff8000", 0x80FF8000}, {"#00ff8000", 0x00FF8000},
        {"#fff", 0xFF000000},      {"#fff80000", 0xFFF80000},  {"#ff800", 0xFF000000},    {"ff8000", 0xFF000000},
        {"#-00001", 0xFFFFFFFF},   {"#-0000001", 0xFFFFFFFF},  {"#0-0001", 0xFF000001},   {"#12-34-56", 0x00123456},
        {"#-000001", 0xFF000000},  // eight characters: neither form
        {"#-ff000", 0xFFF01000},   {"#xyzxyz", 0xFF000000},    {"RED", 0xFFFF0000},       {"Red", 0xFFFF0000},
        {"red", 0xFFFF0000},       {"re", 0xFF000000},         {"redd", 0xFF000000},      {"lightgrey", 0xFFD3D3D3},
        {"lightgray", 0xFF000000}, {"honeydewtab", 0xFF00DEAB}, {"HoneyDew", 0xFFF0FFF0}, {"yellowgreen", 0xFF9ACD32},
        {"aliceblue", 0xFFF0F8FF}, {"", 0xFF000000},           {"@BtnFace", 0xFF1F2030},  {"@3dface", 0xFF1F2030},
        {"@SCROLLBAR", 0xFF102030}, {"@infobk", 0xFF282030},   {"@xyz", 0xFF000000},      {"@red", 0xFF000000},
    };
    for (const Case& c : cases) EXPECT_EQ(Parse(c.text), c.argb) << c.text;
    EXPECT_EQ(Parse("@btnface", nullptr), 0xFF000000u);
    // The length given is the whole text: a NUL inside does not end it.
    EXPECT_EQ(PackColour(ColourFromText("red\0x", 5, FakeScheme)), 0xFF000000u);
    EXPECT_EQ(PackColour(ColourFromText("redx", 3, FakeScheme)), 0xFFFF0000u);
}

TEST(ColourTest, SystemColourIndex) {
    struct Case { const char* text; int index; };
    const Case cases[] = {
        {"@scrollbar", 0}, {"@Desktop", 1}, {"@background", 1}, {"@BtnFace", 15}, {"@3dhighlight", 20},
        {"@infobk", 24},   {"btnface", -1}, {"@btnfac", -1},    {"@btnfaces", -1}, {"@", -1},
    };
    for (const Case& c : cases) EXPECT_EQ(SystemColourIndex(c.text, strlen(c.text)), c.index) << c.text;
}
