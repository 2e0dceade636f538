#include <gtest/gtest.h>

#include "simcore/LogLine.h"

namespace skypesim {
namespace {

TEST(LogLine, TimeIsZeroPaddedAndTextEscaped) {
    EXPECT_EQ(FormatLogLine({9, 5, 7, 42}, LogKind::Out, "CALL 7 STATUS RINGING -> 1"),
              "09:05:07.042 OUT CALL 7 STATUS RINGING -> 1");
    EXPECT_EQ(FormatLogLine({23, 59, 59, 999}, LogKind::In, "A\nB"), "23:59:59.999 IN A\\x0AB");
    EXPECT_EQ(FormatLogLine({0, 0, 0, 0}, LogKind::Note, "D\xC3\xB3ra"), "00:00:00.000 NOTE D\xC3\xB3ra");
}

TEST(LogLine, EveryKindHasItsName) {
    EXPECT_STREQ(LogKindName(LogKind::Discover), "DISCOVER");
    EXPECT_STREQ(LogKindName(LogKind::Attach), "ATTACH");
    EXPECT_STREQ(LogKindName(LogKind::Step), "STEP");
}

TEST(LogLine, WindowsAreHex) {
    EXPECT_EQ(FormatWindow(0x1a2b), "0x1a2b");
    EXPECT_EQ(FormatWindow(0), "0x0");
    EXPECT_EQ(FormatWindow(0xffffffffffffffffull), "0xffffffffffffffff");
}

}  // namespace
}  // namespace skypesim
