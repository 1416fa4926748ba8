#include "util/DelphiText.h"

#include <gtest/gtest.h>

using namespace vm;

TEST(TryStrToInt, AcceptsDecimalAndHex)
{
    const std::pair<const char*, std::optional<int32_t>> cases[] = {
        {"2000", 2000}, {"-5", -5}, {"+7", 7}, {" 12", 12}, {"$FF", 255}, {"0x10", 16},
        {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"$FFFFFFFF", -1},
        {"2147483648", std::nullopt}, {"", std::nullopt}, {"yes", std::nullopt}, {"12 ", std::nullopt},
        {"1.5", std::nullopt}, {"$", std::nullopt}, {"-", std::nullopt}, {"$100000000", std::nullopt},
    };
    for (auto [text, expected] : cases)
        EXPECT_EQ(TryStrToInt(text), expected) << '"' << text << '"';
}

TEST(CopyAndDelete, ClampLikeStoredTextsExpect)
{
    EXPECT_EQ(Copy("abcdef", 2, 3), "bcd");
    EXPECT_EQ(Copy("abc", 0, 2), "ab");
    EXPECT_EQ(Copy("abc", 3, 10), "c");
    EXPECT_EQ(Copy("abc", 4, 1), "");
    EXPECT_EQ(Copy("abc", 1, -3), "");
    std::string s = "abcdef";
    Delete(s, 2, 2);
    EXPECT_EQ(s, "adef");
    Delete(s, 0, 2);
    EXPECT_EQ(s, "adef");
    Delete(s, 3, 100);
    EXPECT_EQ(s, "ad");
    EXPECT_EQ(Pos("c", "abcabc"), 3u);
    EXPECT_EQ(Pos("x", "abc"), 0u);
}
