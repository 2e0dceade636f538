#include <gtest/gtest.h>

#include <limits>

#include "core/base/SafeFileName.h"
#include "core/base/Text.h"

namespace quill::test {

TEST(Numbers, ValTakesTheLeadingNumberOnly) {
    EXPECT_EQ(Val("12abc"), 12);
    EXPECT_EQ(Val("  -5"), -5);
    EXPECT_EQ(Val("2.5e3x"), 2500);
    EXPECT_EQ(Val("1e"), 1);
    EXPECT_EQ(Val("yes"), 0);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("inf"), 0);
    EXPECT_EQ(Val("0x1F"), 0);
    EXPECT_EQ(Val("-"), 0);
}

TEST(Numbers, RoundingGoesToTheNearestAndStaysInRange) {
    EXPECT_EQ(RoundToInt(0.4), 0);
    EXPECT_EQ(RoundToInt(0.5), 0);
    EXPECT_EQ(RoundToInt(1.5), 2);
    EXPECT_EQ(RoundToInt(-5.6), -6);
    EXPECT_EQ(RoundToInt(Val("1e400")), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundToInt(-1e300), std::numeric_limits<int>::min());
}

TEST(Texts, TrimRemovesSpacesOnly) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
}

TEST(FileNamesFromHandles, OrdinaryHandlesKeepTheirName) {
    EXPECT_EQ(SafeFileName("anna.smith_1"), "anna.smith_1");
    EXPECT_EQ(SafeFileName("Dóra"), "Dóra");
    EXPECT_EQ(SafeFileName("live:anna"), "live%3Aanna");
}

TEST(FileNamesFromHandles, NothingLeavesTheFolderOrNamesAStreamOrDevice) {
    EXPECT_EQ(SafeFileName("..\\..\\Windows\\win"), "..%5C..%5CWindows%5Cwin");
    EXPECT_EQ(SafeFileName("a/b"), "a%2Fb");
    EXPECT_EQ(SafeFileName("x:stream"), "x%3Astream");
    EXPECT_EQ(SafeFileName(".."), "%2E%2E");
    EXPECT_EQ(SafeFileName("con"), "%63on");
    EXPECT_EQ(SafeFileName("COM1.txt"), "%43OM1.txt");
    EXPECT_EQ(SafeFileName("anna."), "anna%2E");
    EXPECT_EQ(SafeFileName(std::string("a\x01?*\"<>|b", 9)), "a%01%3F%2A%22%3C%3E%7Cb");
}

TEST(FileNamesFromHandles, DistinctHandlesGiveDistinctNames) {
    // Encoding "%" too keeps the mapping one to one.
    EXPECT_NE(SafeFileName("a:b"), SafeFileName("a%3Ab"));
    EXPECT_NE(SafeFileName("anna"), SafeFileName("anna."));
}

}  // namespace quill::test
