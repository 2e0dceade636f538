#include <gtest/gtest.h>

#include <limits>

#include "core/base/SafeFileName.h"
#include "core/base/Text.h"

namespace quill::test {

TEST(Numbers, ValTakesTheLeadingNumberOnlyAndRoundingStaysInRange) {
    const std::pair<const char*, double> vals[] = {{"12abc", 12}, {"  -5", -5}, {"2.5e3x", 2500}, {"1e", 1},
                                                   {"yes", 0},    {"", 0},      {"inf", 0},       {"0x1F", 0}, {"-", 0}};
    for (const auto& [text, value] : vals) EXPECT_EQ(Val(text), value) << text;
    const std::pair<double, int> rounded[] = {{0.4, 0}, {0.5, 0}, {1.5, 2}, {-5.6, -6}, {Val("1e400"), std::numeric_limits<int>::max()},
                                              {-1e300, std::numeric_limits<int>::min()}};
    for (const auto& [value, expected] : rounded) EXPECT_EQ(RoundToInt(value), expected) << value;
}

TEST(Texts, TrimRemovesSpacesOnly) {
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
}

TEST(FileNamesFromHandles, NothingLeavesTheFolderOrNamesAStreamOrDeviceAndDistinctHandlesStayDistinct) {
    const std::pair<std::string, std::string> names[] = {
        {"anna.smith_1", "anna.smith_1"},
        {"Dóra", "Dóra"},
        {"live:anna", "live%3Aanna"},
        {"..\\..\\Windows\\win", "..%5C..%5CWindows%5Cwin"},
        {"a/b", "a%2Fb"},
        {"..", "%2E%2E"},
        {"con", "%63on"},
        {"COM1.txt", "%43OM1.txt"},
        {"anna.", "anna%2E"},
        {"a%3Ab", "a%253Ab"},  // "%" too, so that the mapping stays one to one
        {std::string("a\x01?*\"<>|b", 9), "a%01%3F%2A%22%3C%3E%7Cb"},
    };
    for (const auto& [handle, name] : names) EXPECT_EQ(SafeFileName(handle), name) << handle;
}

}  // namespace quill::test
