// The formatter over plain values, natively with sanitizers and in the Windows build.
#include <gtest/gtest.h>

#include <stdlib.h>

#include "globals/format_core.h"

namespace {
class Texts final : public FormatValues {
public:
    Texts(std::initializer_list<const char*> texts) : texts_(texts.begin(), texts.end()) {}
    size_t count() const override { return texts_.size(); }
    double Number(size_t i) const override { return atof(texts_[i].c_str()); }
    std::string Text(size_t i) const override { return texts_[i]; }

private:
    std::vector<std::string> texts_;
};
}  // namespace

TEST(FormatCoreTest, LongRenderingsStayWithinOneRendering) {
    EXPECT_EQ(FormatText("%20000d|", Texts{"1"}), std::string(8191, ' ') + "|");
    EXPECT_EQ(FormatText("%-20000d|", Texts{"1"}), "1" + std::string(8190, ' ') + "|");
    EXPECT_EQ(FormatText("%.20000f", Texts{"1"}).substr(0, 4), "1.00");
    EXPECT_EQ(FormatText("%.20000f", Texts{"1"}).size(), 8191u);
    EXPECT_EQ(FormatBinary("%4294967297b", 1).size(), 8191u);
}

TEST(FormatCoreTest, FormatEndsAtItsFirstNul) {
    EXPECT_EQ(FormatText(std::string("ab\0%d", 5), Texts{"1"}), "ab");
}
