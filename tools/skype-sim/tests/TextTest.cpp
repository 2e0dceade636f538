#include <gtest/gtest.h>

#include "simcore/Text.h"

namespace skypesim {
namespace {

TEST(Utf8, AcceptsWellFormedText) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("D\xC3\xB3ra"));                  // 2 bytes
    EXPECT_TRUE(IsValidUtf8("\xE5\xAF\x8C"));                 // 3 bytes
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x8E\xB5"));             // 4 bytes
    EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF"));             // U+10FFFF
}

TEST(Utf8, RejectsMalformedText) {
    EXPECT_FALSE(IsValidUtf8("\xC3"));              // cut short
    EXPECT_FALSE(IsValidUtf8("\xE5\xAF"));          // cut short
    EXPECT_FALSE(IsValidUtf8("\x80"));              // stray continuation
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong '/'
    EXPECT_FALSE(IsValidUtf8("\xE0\x80\xAF"));      // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xFF"));
    EXPECT_FALSE(IsValidUtf8("ok\xC3(ok"));         // bad continuation
}

TEST(LogEscaping, KeepsUtf8AndMakesControlAndBrokenBytesVisible) {
    EXPECT_EQ(EscapeForLog("D\xC3\xB3ra\tx"), "D\xC3\xB3ra\tx");
    EXPECT_EQ(EscapeForLog("a\nb\rc"), "a\\x0Ab\\x0Dc");
    EXPECT_EQ(EscapeForLog(std::string("a\0b", 3)), "a\\x00b");
    EXPECT_EQ(EscapeForLog("x\xC3"), "x\\xC3");
    EXPECT_EQ(EscapeForLog("\xE5\xAF" "A"), "\\xE5\\xAFA");
    EXPECT_EQ(EscapeForLog("\x7F"), "\\x7F");
}

TEST(Words, SplitOnRunsOfBlanks) {
    std::string_view rest = "  contact \t anna   Anna  Andersson ";
    EXPECT_EQ(TakeWord(rest), "contact");
    EXPECT_EQ(TakeWord(rest), "anna");
    EXPECT_EQ(rest, "Anna  Andersson");
    EXPECT_EQ(SplitWords(" a  b\tc "), (std::vector<std::string_view>{"a", "b", "c"}));
    EXPECT_TRUE(SplitWords(" \t ").empty());
}

TEST(Numbers, DigitsOnlyWithinTheLimit) {
    EXPECT_EQ(ParseDecimal("0", 10), 0u);
    EXPECT_EQ(ParseDecimal("10", 10), 10u);
    EXPECT_FALSE(ParseDecimal("11", 10));
    EXPECT_FALSE(ParseDecimal("", 10));
    EXPECT_FALSE(ParseDecimal("+1", 10));
    EXPECT_FALSE(ParseDecimal("1 ", 10));
    EXPECT_EQ(ParseDecimal("18446744073709551615", UINT64_MAX), std::nullopt);  // too many digits to trust
    EXPECT_EQ(ParseDecimal("9999999999999999999", UINT64_MAX), 9999999999999999999ull);
}

}  // namespace
}  // namespace skypesim
