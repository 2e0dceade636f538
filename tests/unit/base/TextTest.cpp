#include <gtest/gtest.h>

#include <limits>

#include "core/base/SafeFileName.h"
#include "core/base/Text.h"
#include "core/base/Unicode.h"

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

TEST(Texts, Utf8IsCheckedByCodePointAndCrossesToUtf16AndBackWithSurrogatesOnlyInPairs) {
    const std::string R = "\xEF\xBF\xBD", astral = "a\xF0\x90\x80\x80",
                      valid = "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF\xF0\x90\x80\x80\xF4\x8F\xBF\xBF";
    const std::pair<std::string, std::string> utf8[] = {
        {valid, valid}, {"\xC0\x80", R + R}, {"\xE0\x9F\xBF", R + R + R}, {"\xED\xA0\x80", R + R + R}, {"\xF5\x80", R + R},
        {"\xF0\x8F\xBF\xBF", R + R + R + R}, {"\xF4\x90\x80\x80", R + R + R + R}, {"\xC3" "A", R + "A"}, {"\xE2\x82", R + R}};
    for (const auto& [in, out] : utf8) EXPECT_EQ(ValidUtf8(in), out) << in;
    for (bool bigEndian : {false, true}) EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(valid, bigEndian), bigEndian), valid);
    EXPECT_EQ(Utf8ToUtf16(astral, true) + std::to_string(Utf16Length(valid)), std::string("\0a\xD8\0\xDC\0" "11", 8));
    const std::string pair("\0\xD8\0\xDC", 4);  // in the first row the low half lies beyond the end: unread
    const std::pair<std::string_view, std::string> utf16[] = {
        {std::string_view(pair).substr(0, 2), R}, {std::string_view("A\0\xFF\xDF", 4), "A" + R},
        {std::string_view("\0\xDC\0\xDC", 4), R + R}, {std::string_view("\xFF\xDB" "A\0B", 5), R + "A"}};
    for (const auto& [in, out] : utf16) EXPECT_EQ(Utf16ToUtf8(in, false), out);
    const std::pair<std::size_t, std::string> cuts[] = {{1, "a"}, {2, "a" + R}, {3, astral}, {9, astral + "b"}};
    for (const auto& [units, out] : cuts) EXPECT_EQ(FirstUtf16Units(astral + "b", units), out) << units;
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
