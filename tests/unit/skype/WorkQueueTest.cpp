#include <gtest/gtest.h>

#include "core/skype/WorkQueue.h"
#include "fakes/LogOnFakeDisk.h"

namespace quill::test {

using WorkQueueTest = LogOnFakeDisk;

// A flood of Skype's traffic fills the queue; the program's own items still get through.
TEST_F(WorkQueueTest, AFullQueueDropsOnlyNotificationsAndSaysHowMany) {
    WorkQueue queue(log);
    const std::string big(WorkQueue::kMaxBytes / 4 - 16, 'x');  // four fill the queue
    for (int i = 0; i < 6; ++i) queue.QueueItem(i % 2 ? WorkItem::Command(big) : WorkItem::Notification(big));
    queue.QueueItem(WorkItem::Kind::Unload);
    queue.QueueItem(WorkItem::Kind::Form1);
    EXPECT_TRUE(queue.Holds(WorkItem::Kind::Unload));
    EXPECT_TRUE(queue.Holds(WorkItem::Kind::Form1));
    EXPECT_LE(queue.EventQueue().size(), WorkQueue::kMaxBytes);
    EXPECT_NE(LogText().find("\tQuillares: work queue full, dropped 2 notifications\r\n"),
              std::string::npos);

    // Taken, the items free their room; the first is the empty item.
    EXPECT_EQ(queue.Take().kind, WorkItem::Kind::Empty);
    while (!queue.Empty()) queue.Take();
    queue.QueueItem(WorkItem::Notification(big));
    EXPECT_EQ(queue.EventQueue(), "\t<" + big);
}

}  // namespace quill::test
