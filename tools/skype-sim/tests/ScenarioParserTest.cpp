#include <gtest/gtest.h>

#include "simcore/ScenarioParser.h"

namespace skypesim {
namespace {

TEST(ScenarioErrors, NameTheLineAndTheProblem) {
    struct Bad {
        std::string text;
        int line;
        const char* messagePart;
    };
    const Bad table[] = {
        {"# ok\nfrobnicate now\n", 2, "unknown directive 'frobnicate'"},
        {"wait 86400001\n", 1, "whole number"},
        {"me a\n\nme b\n", 3, "first on line 1"},
        {"contact a,b Name\n", 1, "comma"},
        {"contact c2\ncontacts 3 c\n", 2, "contact c2 given twice (first on line 1)"},
        {"contacts 50000 a\ncontacts 1 b\n", 2, "more than 50000 contacts"},
        {"attach success, maybe\n", 1, "unknown attach answer 'maybe'"},
        {"return\n", 1, "without an earlier vanish"},
        {"vanish\nwait 5\nsend PING\n", 3, "while vanished"},
        {"contact x \xC0\xAF\n", 1, "UTF-8"},
        {"send A\rB\n", 1, "control character"},
        {"wait 1\nsend " + std::string(kMaxLineBytes, 'x') + "\n", 2, "longer than"},
    };
    for (const Bad& bad : table) {
        const ParseOutcome outcome = ParseScenario(bad.text);
        ASSERT_TRUE(outcome.error) << bad.text;
        EXPECT_EQ(FormatParseError("s.txt", *outcome.error).rfind("s.txt:" + std::to_string(bad.line) + ": ", 0), 0u)
            << bad.text;
        EXPECT_NE(outcome.error->message.find(bad.messagePart), std::string::npos) << outcome.error->message;
    }
}

}  // namespace
}  // namespace skypesim
