// Script files as the host reads them, and error reports that are never left empty.
#include <gtest/gtest.h>

#include "host/engine_messages.h"
#include "host/nscript.h"
#include "test_support.h"

#include <stdio.h>

TEST(ScriptText, MarksNameTheEncoding) {
    struct Case {
        std::string bytes;
        std::wstring text;
    } cases[] = {
        {"plain", L"plain"},
        {"\xEF\xBB\xBF" "a\xE3\x81\x82", L"a\x3042"},
        {"\xEF\xBB\xBF", L""},
        {"\xEF\xBB\xBF" "\xF0\x9F\x98\x80", L"\xD83D\xDE00"},  // beyond the basic plane
        {std::string("\xFF\xFE" "a\0\x42\x30", 6), L"a\x3042"},
        {std::string("\xFF\xFE" "a\0b", 5), L"a"},  // an odd last byte is no unit
        {std::string("\xFF\xFE" "a\0\0\0b\0", 8), L"a"},  // the text ends at a NUL unit
        {std::string("a\0b", 3), L"a"},
        {"\xEF\xBB", L"\x00EF\x00BB"},  // half a mark is text of the code page (1252 here)
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeScriptText(c.bytes.data(), c.bytes.size()), c.text) << c.bytes;
}

TEST(ScriptText, DescriptionsAreNeverEmpty) {
    const uint32_t kDivByZero = 0x80020012u, kVbDivision = 0x800A000Bu, kObjectExpected = 0x800A138Fu;
    struct Case {
        EngineFamily family;
        const char* description;
        const char* source;
        uint32_t status;
        const char* expected;
    } cases[] = {
        {EngineFamily::VBScript, "own text", "", kVbDivision, "own text"},
        {EngineFamily::VBScript, "", "", kVbDivision, "Division by zero"},
        {EngineFamily::VBScript, "", "", kDivByZero, "Division by zero"},
        {EngineFamily::JScript, "", "", kObjectExpected, "Object expected"},
        {EngineFamily::VBScript, "", "", kObjectExpected, "0x800A138F"},  // a JScript number
        {EngineFamily::VBScript, "", "", 0x800A03EAu, "Syntax error"},
        {EngineFamily::JScript, "", "", 0x800A03EEu, "Expected ')'"},
        {EngineFamily::Other, "", "", kVbDivision, "0x800A000B"},
        {EngineFamily::VBScript, "", "Microsoft VBScript compilation error", 0x80004005u,
         "Microsoft VBScript compilation error (0x80004005)"},
        {EngineFamily::VBScript, "", "", 0x80004005u, "Unspecified error"},  // Wine's "Object required"
        {EngineFamily::Other, "", "", 0x8000FFFFu, "Catastrophic failure"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorDescription(c.family, c.description, c.source, c.status), c.expected) << c.expected;
}

namespace {
class RefusedFileTest : public ScriptTest {};

struct LoadCall {
    NScript* script;
    std::string path;
    bool result;
};

DWORD WINAPI LoadOnOtherThread(void* p) {
    auto* call = static_cast<LoadCall*>(p);
    call->result = call->script->LoadScriptFile(call->path);
    return 0;
}
}  // namespace

// The engine refuses text from a thread other than its own without reporting
// anything; the host reports it instead, naming the file and the status.
TEST_F(RefusedFileTest, IsReported) {
    Start();
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    LoadCall call{&script, std::string(dir) + "Kova_Refused.js", true};
    FILE* f = fopen(call.path.c_str(), "w");
    ASSERT_TRUE(f);
    fputs("var x = 1;\n", f);
    fclose(f);

    testing::internal::CaptureStderr();
    HANDLE thread = CreateThread(nullptr, 0, LoadOnOtherThread, &call, 0, nullptr);
    ASSERT_TRUE(thread);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
    std::string err = testing::internal::GetCapturedStderr();
    remove(call.path.c_str());

    EXPECT_FALSE(call.result);
    EXPECT_EQ(err.substr(0, err.find_first_of("\r\n")), "error [kova_refused.js]: cannot parse script (0x8000FFFF)");
}
