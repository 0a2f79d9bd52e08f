// .NET hosting where no runtime is installed, as under Wine here: every object is
// empty, and the runtime's start is tried once only.
#include <gtest/gtest.h>

#include "com/dotnet_host.h"

TEST(DotNet, WithoutRuntimeObjectsAreEmptyAndTheStartIsTriedOnce) {
    for (int i = 0; i < 2; ++i) {
        ArgList args;
        args.push_back(com_var("mscorlib"));
        args.push_back(com_var("System.Text.StringBuilder"));
        com_var result;
        EXPECT_EQ(CreateDotNetObject(args, result), S_OK);
        EXPECT_TRUE(result.empty());
    }
    EXPECT_EQ(DotNetStartAttempts(), 1);
    ArgList one;
    one.push_back(com_var("mscorlib"));
    com_var result;
    EXPECT_EQ(CreateDotNetObject(one, result), DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(DotNetStartAttempts(), 1);
    StopDotNet();
}
