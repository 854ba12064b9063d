#include <gtest/gtest.h>

#include "core/fixed_text.h"
#include "core/line_breaks.h"

namespace stenvik {
namespace {

TEST(FixedText, NeverWritesPastItsCapacity) {
    FixedText<8> text;
    text.Assign("abc");
    text.Append("defgh");
    EXPECT_EQ(text.view(), "abcdefg");
    text.Append("more");
    EXPECT_EQ(text.view(), "abcdefg");
    text.Assign("");
    EXPECT_EQ(text.view(), "");
}

TEST(LineBreaks, ConvertBothWays) {
    struct Case {
        std::string crlf, lf;
    };
    const Case cases[] = {{"", ""}, {"a\r\nb", "a\nb"}, {"\r\n\r\n", "\n\n"}, {"end\r\n", "end\n"}};
    for (const auto& c : cases) {
        EXPECT_EQ(CrlfToLf(c.crlf), c.lf);
        EXPECT_EQ(LfToCrlf(c.lf), c.crlf);
    }
    EXPECT_EQ(CrlfToLf("a\rb"), "a\rb");
    EXPECT_EQ(LfToCrlf("a\r\nb\nc"), "a\r\nb\r\nc");
}

}  // namespace
}  // namespace stenvik
