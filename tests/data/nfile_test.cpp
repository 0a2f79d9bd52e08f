// NFile below the engine: a standard stream object never closes its stream, which
// scripts cannot see because the objects live until the process ends.
#include <gtest/gtest.h>

#include <stdio.h>

#include <memory>

#include "data/nfile.h"

namespace {
std::string Contents(FILE* f) {
    std::string s;
    rewind(f);
    for (int c; (c = getc(f)) != EOF;) s.push_back(static_cast<char>(c));
    return s;
}
}  // namespace

TEST(NFileTest, StandardStreamObjectsNeverCloseTheirStream) {
    FILE* f = tmpfile();
    ASSERT_NE(f, nullptr);
    {
        std::unique_ptr<NFile> file(new NFile(nullptr, f));
        ArgList args, none;
        args.push_back(com_var("one\n"));
        com_var result;
        EXPECT_EQ(file->Call("puts", args, result), S_OK);
        EXPECT_EQ(result.ToNumber(), 4);
        EXPECT_EQ(file->Call("close", none, result), S_OK);
        EXPECT_EQ(file->Call("puts", args, result), S_OK);
    }
    // still open after close and destruction of the object
    EXPECT_GE(fputs("two\n", f), 0);
    EXPECT_EQ(Contents(f), "one\ntwo\n");
    fclose(f);
}
