// MemberNameTable: stable ids, exact comparison, the empty name.
#include <gtest/gtest.h>

#include "object/member_name_table.h"

TEST(MemberNameTableTest, IdsAreStableAndExact) {
    EXPECT_EQ(MemberNameTable::IdOf(""), DISPID_VALUE);
    DISPID a = MemberNameTable::IdOf("tableTestName");
    DISPID b = MemberNameTable::IdOf("TableTestName");
    EXPECT_GE(a, MemberNameTable::kFirstId);
    EXPECT_NE(a, b);
    EXPECT_EQ(MemberNameTable::IdOf("tableTestName"), a);
    EXPECT_EQ(MemberNameTable::NameOf(a), "tableTestName");
    EXPECT_EQ(MemberNameTable::NameOf(DISPID_VALUE), "");
    EXPECT_EQ(MemberNameTable::NameOf(255), "");
    EXPECT_EQ(MemberNameTable::NameOf(-5), "");
    EXPECT_EQ(MemberNameTable::NameOf(MemberNameTable::kFirstId + static_cast<DISPID>(MemberNameTable::size())), "");
}
