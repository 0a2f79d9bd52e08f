// Command-line parsing, engine choice and the path helpers behind them.
#include <gtest/gtest.h>

#include "app/command_line.h"
#include "host/nscript_site.h"
#include "object/text.h"

namespace {
bool Parse(std::vector<const char*> words, StartupOptions& o) {
    words.insert(words.begin(), "kova.exe");
    return ParseCommandLine(static_cast<int>(words.size()), words.data(), o);
}
}  // namespace

TEST(CommandLineTest, OptionsThenScriptThenScriptOptions) {
    StartupOptions o;
    ASSERT_TRUE(Parse({"-t", "script.js", "a", "-b"}, o));
    EXPECT_TRUE(o.talk);
    EXPECT_EQ(o.scriptPath, "script.js");
    EXPECT_EQ(o.scriptOptions, (std::vector<std::string>{"a", "-b"}));

    StartupOptions late;
    ASSERT_TRUE(Parse({"script.js", "-t"}, late));
    EXPECT_FALSE(late.talk);
    EXPECT_EQ(late.scriptOptions, (std::vector<std::string>{"-t"}));

    StartupOptions upper;
    ASSERT_TRUE(Parse({"/T", "-HVBScript"}, upper));
    EXPECT_TRUE(upper.talk);
    EXPECT_EQ(upper.hostName, "VBScript");
}

TEST(CommandLineTest, UsageCases) {
    StartupOptions o;
    EXPECT_FALSE(Parse({}, o));
    StartupOptions bad;
    EXPECT_FALSE(Parse({"-x", "script.js"}, bad));
    StartupOptions lone;
    EXPECT_FALSE(Parse({"-", "script.js"}, lone));
    StartupOptions onlyHost;
    EXPECT_FALSE(Parse({"-hJScript"}, onlyHost));
    StartupOptions help;
    EXPECT_FALSE(Parse({"-help"}, help));
    EXPECT_EQ(help.hostName, "elp");
    // A path beginning with a slash is an option.
    StartupOptions slash;
    EXPECT_TRUE(Parse({"/tmp/a.js"}, slash));
    EXPECT_TRUE(slash.talk);
    EXPECT_TRUE(slash.scriptPath.empty());
    StartupOptions home;
    EXPECT_FALSE(Parse({"/home/a.js"}, home));
    EXPECT_EQ(home.hostName, "ome/a.js");
}

TEST(CommandLineTest, EngineChoice) {
    StartupOptions o;
    EXPECT_EQ(ChooseEngine(o), "JavaScript");
    o.scriptPath = "dir\\TEST.VBS";
    EXPECT_EQ(ChooseEngine(o), "VBScript");
    o.scriptPath = "a.vb";
    EXPECT_EQ(ChooseEngine(o), "VBScript");
    o.scriptPath = "vbs.dir\\a";
    EXPECT_EQ(ChooseEngine(o), "JavaScript");
    o.scriptPath = "test.vbs";
    o.hostName = "JScript";
    EXPECT_EQ(ChooseEngine(o), "JScript");
}

TEST(CommandLineTest, ProgramNameAndUsage) {
    EXPECT_EQ(ProgramName("C:\\tools\\kova.exe"), "kova");
    EXPECT_EQ(ProgramName("\\\\server\\share\\my.tool.exe"), "my.tool");
    EXPECT_EQ(ProgramName("kova"), "kova");
    std::string usage = UsageText("kova");
    EXPECT_EQ(usage.find(ProductBanner), 0u);
    EXPECT_NE(usage.find("\nUsage: kova [options] [script [script options]]\n\n<options>\n"), std::string::npos);
    EXPECT_NE(usage.find("ver0.00a,\n"), std::string::npos);
}

TEST(PathTest, FileAndDirectoryParts) {
    EXPECT_EQ(FileNamePart("C:\\dir\\Test.js"), "Test.js");
    EXPECT_EQ(FileNamePart("C:Test.js"), "Test.js");
    EXPECT_EQ(FileNamePart("dir/sub/a.js"), "a.js");
    EXPECT_EQ(FileNamePart("\\\\server\\share"), "");
    EXPECT_EQ(DirectoryPart("C:\\dir\\Test.js"), "C:\\dir");
    EXPECT_EQ(DirectoryPart("C:\\Test.js"), "C:");
    EXPECT_EQ(DirectoryPart("Test.js"), "");
    std::string s = "MiXeD.JS";
    LowerNarrow(s);
    EXPECT_EQ(s, "mixed.js");
}

TEST(ScriptErrorTest, FourFormatsAndTheLengthCap) {
    EXPECT_EQ(FormatScriptError("test.js", 1, "Syntax error", "var = ;"), "error [test.js:1]: Syntax error\n-> var = ;");
    EXPECT_EQ(FormatScriptError("test.js", 3, "boom", ""), "error [test.js:3]: boom");
    EXPECT_EQ(FormatScriptError("", 1, "boom", ""), "error [1]: boom");
    EXPECT_EQ(FormatScriptError("", 2, "boom", "x y"), "error [2]: boom\n-> x y");
    EXPECT_EQ(FormatScriptError("a.js", 1, std::string(5000, 'd'), "src").size(), 2047u);
}
