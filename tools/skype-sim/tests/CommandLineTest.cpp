#include <gtest/gtest.h>

#include "simcore/CommandLine.h"

namespace skypesim {
namespace {

TEST(CommandLine, ScenarioWithOrWithoutLogInEitherOrder) {
    CommandLine line = ParseCommandLine({"demo.txt"});
    EXPECT_EQ(line.error, "");
    EXPECT_EQ(line.scenarioPath, "demo.txt");
    EXPECT_EQ(line.logPath, "");

    line = ParseCommandLine({"--log", "C:\\tmp\\sim log.txt", "demo.txt"});
    EXPECT_EQ(line.error, "");
    EXPECT_EQ(line.scenarioPath, "demo.txt");
    EXPECT_EQ(line.logPath, "C:\\tmp\\sim log.txt");
}

TEST(CommandLine, UnusableArgumentsAreErrors) {
    EXPECT_EQ(ParseCommandLine({}).error, "no scenario file");
    EXPECT_EQ(ParseCommandLine({"a.txt", "--log"}).error, "--log needs a path");
    EXPECT_EQ(ParseCommandLine({"a.txt", "--log", ""}).error, "--log needs a path");
    EXPECT_EQ(ParseCommandLine({"a.txt", "--log", "x", "--log", "y"}).error, "--log given twice");
    EXPECT_EQ(ParseCommandLine({"a.txt", "b.txt"}).error, "more than one scenario file");
    EXPECT_EQ(ParseCommandLine({"--verbose", "a.txt"}).error, "unknown option --verbose");
}

}  // namespace
}  // namespace skypesim
