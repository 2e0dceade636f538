#include <gtest/gtest.h>

#include "servercore/ServerOptions.h"
#include "servercore/SpeakableText.h"

namespace quill::toneserver::test {
namespace {

TEST(ServerOptions, GoodCommandLinesSetEveryOption) {
    const auto r = ParseOptions({"--host", "0.0.0.0", "--port", "0", "--version", "2.2",
                                 "--update-required", "--slow-ms", "250", "--workers", "3",
                                 "--cache-mb", "0", "--per-address", "500"});
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.options.host, "0.0.0.0");
    EXPECT_EQ(r.options.port, 0);
    EXPECT_EQ(r.options.version, "2.2");
    EXPECT_TRUE(r.options.updateRequired);
    EXPECT_EQ(r.options.slowMs, 250);
    EXPECT_EQ(r.options.workers, 3);
    EXPECT_EQ(r.options.cacheMb, 0);
    EXPECT_EQ(r.options.perAddress, 500);
    EXPECT_EQ(ParseOptions({"--trickle-ms", "40"}).options.trickleMs, 40);
    EXPECT_EQ(ParseOptions({}).options.host, "127.0.0.1");
}

TEST(ServerOptions, BadCommandLinesAreRefusedWithTheReason) {
    struct Case {
        std::vector<std::string> args;
        const char* error;
    } cases[] = {
        {{"--port", "65536"}, "bad value for --port: 65536"},
        {{"--port", "80x"}, "bad value for --port: 80x"},
        {{"--slow-ms", "-1"}, "bad value for --slow-ms: -1"},
        {{"--version", "2.1.3"}, "bad value for --version: 2.1.3"},
        {{"--version", "two"}, "bad value for --version: two"},
        {{"--workers", "0"}, "bad value for --workers: 0"},
        {{"--slow-ms", "5", "--trickle-ms", "5"}, "--slow-ms and --trickle-ms cannot be combined"},
        {{"--host"}, "--host needs a value"},
        {{"--verbose"}, "unknown option --verbose"},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseOptions(c.args).error, c.error);
}

TEST(SpeakableText, AnsiBecomesUtf8WithoutControlCharacters) {
    EXPECT_EQ(SpeakableUtf8("caf\xE9 \x80 5"), "caf\xC3\xA9 \xE2\x82\xAC 5");
    EXPECT_EQ(SpeakableUtf8("a\r\nb\tc\x7F" "d\x81" "e"), "a  b c d e");
    EXPECT_EQ(SpeakableUtf8(std::string("x\0y", 3)), "x y");
}

}  // namespace
}  // namespace quill::toneserver::test
