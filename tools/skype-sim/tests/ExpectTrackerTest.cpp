#include <gtest/gtest.h>

#include "simcore/AttachPlan.h"
#include "simcore/ExpectTracker.h"

namespace skypesim {
namespace {

TEST(ExpectTracker, MatchesByPrefixAndUsesUpEverythingUpToTheMatch) {
    ExpectTracker tracker;
    tracker.RecordCommand("GET CURRENTUSERHANDLE");
    tracker.RecordCommand("SEARCH FRIENDS");
    tracker.RecordCommand("GET USER anna FULLNAME");
    std::string matched;
    EXPECT_TRUE(tracker.TakeCommand("SEARCH", &matched));
    EXPECT_EQ(matched, "SEARCH FRIENDS");
    EXPECT_FALSE(tracker.TakeCommand("GET CURRENTUSERHANDLE", nullptr));  // before the last match
    EXPECT_TRUE(tracker.TakeCommand("GET USER anna", &matched));
    EXPECT_FALSE(tracker.TakeCommand("GET", nullptr));
}

TEST(ExpectTracker, PrefixIsExactBytes) {
    ExpectTracker tracker;
    tracker.RecordCommand("get user anna fullname");
    EXPECT_FALSE(tracker.TakeCommand("GET USER", nullptr));
    EXPECT_FALSE(tracker.TakeCommand("get user anna fullname and more", nullptr));
    EXPECT_TRUE(tracker.TakeCommand("get user anna fullname", nullptr));
}

TEST(ExpectTracker, KeepsOnlyTheNewestCommandsWithinItsBound) {
    ExpectTracker tracker;
    EXPECT_TRUE(tracker.RecordCommand("FIRST"));
    for (std::size_t i = 1; i < ExpectTracker::kMaxPendingCommands; ++i) EXPECT_TRUE(tracker.RecordCommand("X"));
    EXPECT_FALSE(tracker.RecordCommand("LAST"));
    EXPECT_FALSE(tracker.TakeCommand("FIRST", nullptr));
    EXPECT_TRUE(tracker.TakeCommand("LAST", nullptr));
}

TEST(ExpectTracker, LongCommandsStillMatchByTheirStart) {
    ExpectTracker tracker;
    tracker.RecordCommand("SEND " + std::string(100000, 'x'));
    EXPECT_TRUE(tracker.TakeCommand("SEND " + std::string(1000, 'x'), nullptr));
}

TEST(AttachPlan, AnswersInOrderThenSucceedsForever) {
    AttachPlan plan({AttachAnswer::Ignore, AttachAnswer::Pending, AttachAnswer::Refused});
    EXPECT_EQ(plan.Next(), AttachAnswer::Ignore);
    EXPECT_EQ(plan.Next(), AttachAnswer::Pending);
    EXPECT_EQ(plan.Next(), AttachAnswer::Refused);
    EXPECT_EQ(plan.Next(), AttachAnswer::Success);
    EXPECT_EQ(plan.Next(), AttachAnswer::Success);
    EXPECT_EQ(AttachPlan({}).Next(), AttachAnswer::Success);
}

}  // namespace
}  // namespace skypesim
