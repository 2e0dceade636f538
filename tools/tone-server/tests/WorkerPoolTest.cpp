#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <thread>

#include "servercore/AnswerCache.h"
#include "servercore/WorkerPool.h"

namespace quill::toneserver::test {
namespace {

TEST(WorkerPool, AWorkerThatDiesOrHangsCostsOneJobAndIsReplaced) {
    WorkerPool pool(1, std::chrono::milliseconds(300), [](std::string_view job) -> std::string {
        if (job == "crash") std::abort();
        if (job == "hang") pause();
        return "done " + std::string(job) + " in " + std::to_string(getpid());
    });
    const std::string firstPid = pool.Run("a").answer.substr(10);
    using O = WorkerPool::Result::Outcome;
    struct Case {
        const char* job;
        O outcome;
    } cases[] = {{"crash", O::Died}, {"b", O::Done}, {"hang", O::TimedOut}, {"c", O::Done}};
    for (const auto& c : cases) EXPECT_EQ(pool.Run(c.job).outcome, c.outcome) << c.job;
    EXPECT_EQ(pool.Restarts(), 2u);
    EXPECT_EQ(pool.LiveWorkers(), 1u);
    const std::string last = pool.Run("d").answer;
    EXPECT_EQ(last.substr(0, 6), "done d");
    EXPECT_NE(last.substr(10), firstPid) << "the worker was replaced, not reused";
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

}  // namespace
}  // namespace quill::toneserver::test
