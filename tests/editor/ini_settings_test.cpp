// Settings files: value parsing, where the file lives, and reading back what was written.
#include <gtest/gtest.h>

#include <string>

#include "editor/ini_settings.h"

namespace {
TEST(IniSettings, ParsesValues) {
    const struct {
        const char* text;
        uint32_t hex;
        int32_t decimal;
    } cases[] = {
        {"00ff0000", 0x00FF0000, 0}, {"00FFFFFF", 0x00FFFFFF, 0}, {"0x1A", 0x1A, 0},  // 'x' is skipped
        {"12 34", 0x1234, 12},       {"-7", 7, -7},               {"zz", 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseIniHex(c.text), c.hex) << c.text;
        EXPECT_EQ(ParseIniDecimal(c.text), c.decimal) << c.text;
    }
}

TEST(IniSettings, LivesNextToTheProgram) {
    char program[MAX_PATH];
    const std::string path(program, GetModuleFileNameA(nullptr, program, MAX_PATH));
    const std::string folder = path.substr(0, path.find_last_of('\\') + 1);
    EXPECT_EQ(resolveIniPath("medit.ini"), folder + "medit.ini");
    EXPECT_EQ(resolveIniPath(), path.substr(0, path.rfind('.')) + ".ini");
    EXPECT_EQ(resolveIniPath("C:\\x\\y.ini"), "C:\\x\\y.ini");
    EXPECT_EQ(resolveIniPath("sub/y.ini"), "sub/y.ini");
}

TEST(IniSettings, ReadsBackWhatWasWritten) {
    char folder[MAX_PATH], path[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "ini", 0, path);
    const std::string longValue(300, 'v');  // beyond the first read's buffer
    ASSERT_TRUE(writeIniString(path, "Long", longValue));
    ASSERT_TRUE(writeIniString(path, "bgColor", "00ff0000"));
    ASSERT_TRUE(writeIniString(path, "Width", "512"));
    ASSERT_TRUE(writeIniString(path, "Empty", ""));
    EXPECT_EQ(readIniString(path, "Long", "none"), longValue);
    EXPECT_EQ(readIniString(path, "Missing", "none"), "none");
    EXPECT_EQ(readIniHex(path, "bgColor", 1), 0x00FF0000u);
    EXPECT_EQ(readIniInt(path, "Width", 1), 512);
    EXPECT_EQ(readIniInt(path, "Empty", 13), 13);
    EXPECT_EQ(readIniInt(path, "Missing", 13), 13);
    DeleteFileA(path);
}
}  // namespace
