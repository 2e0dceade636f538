#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <tuple>

#include "servercore/AnswerCache.h"
#include "servercore/ServerOptions.h"
#include "servercore/SpeakableText.h"
#include "servercore/WorkerPool.h"

namespace quill::toneserver::test {
namespace {

TEST(WorkerPool, AWorkerThatDiesOrHangsCostsOneJobAndIsReplaced) {
    WorkerPool pool(1, std::chrono::milliseconds(300), [](std::string_view job) -> std::string {
        if (job == "crash") std::abort();
        if (job == "hang") pause();
        return "done " + std::string(job);
    });
    using O = WorkerPool::Result::Outcome;
    const std::pair<const char*, O> cases[] = {
        {"crash", O::Died}, {"b", O::Done}, {"hang", O::TimedOut}, {"c", O::Done}};
    // A worker kept after its crash or its hang would fail the job after it.
    for (const auto& [job, outcome] : cases) EXPECT_EQ(pool.Run(job).outcome, outcome) << job;
    EXPECT_EQ(pool.Run("d").answer, "done d");
    EXPECT_EQ(pool.Restarts(), 2u);
    EXPECT_EQ(pool.LiveWorkers(), 1u);
    pool.Stop();
    EXPECT_EQ(pool.Run("late").outcome, O::Stopped);
}

TEST(AnswerCache, KeepsTheMostRecentlyUsedWithinItsBytes) {
    AnswerCache cache(25);  // key and answer both count: room for two
    cache.Keep("a", std::string(9, 'a'));
    cache.Keep("b", std::string(9, 'b'));
    ASSERT_TRUE(cache.Find("a"));  // now b is the oldest
    cache.Keep("c", std::string(9, 'c'));
    EXPECT_FALSE(cache.Find("b"));
    EXPECT_EQ(cache.Find("a").value_or(""), std::string(9, 'a'));
    cache.Keep("huge", std::string(40, 'h'));
    EXPECT_FALSE(cache.Find("huge"));
    EXPECT_EQ(cache.Bytes(), 20u);
    EXPECT_EQ(cache.Hits(), 2u);
    EXPECT_EQ(cache.Misses(), 2u);
}

TEST(ServerOptions, GoodCommandLinesSetEveryOption) {
    const auto r = ParseOptions({"--host", "0.0.0.0", "--port", "0", "--version", "2.2", "--update-required",
                                 "--slow-ms", "250", "--workers", "3", "--cache-mb", "0", "--per-address", "500"});
    ASSERT_EQ(r.error, "");
    const ServerOptions& o = r.options;
    EXPECT_EQ(std::tie(o.host, o.port, o.version, o.updateRequired, o.slowMs, o.workers, o.cacheMb, o.perAddress),
              std::make_tuple("0.0.0.0", 0, "2.2", true, 250, 3, 0, 500));
    EXPECT_EQ(ParseOptions({"--trickle-ms", "40"}).options.trickleMs, 40);
    EXPECT_EQ(ParseOptions({}).options.host, "127.0.0.1");
}

TEST(ServerOptions, BadCommandLinesAreRefusedWithTheReason) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
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
    for (const auto& [args, error] : cases) EXPECT_EQ(ParseOptions(args).error, error);
}

TEST(SpeakableText, AnsiBecomesUtf8WithoutControlCharacters) {
    EXPECT_EQ(SpeakableUtf8("caf\xE9 \x80 5"), "caf\xC3\xA9 \xE2\x82\xAC 5");
    EXPECT_EQ(SpeakableUtf8("a\r\nb\tc\x7F" "d\x81" "e"), "a  b c d e");
    EXPECT_EQ(SpeakableUtf8(std::string("x\0y", 3)), "x y");
}

}  // namespace
}  // namespace quill::toneserver::test
