#pragma once
#include <httplib.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace quill::toneserver {

// A fixed set of workers and a bounded line of waiting connections. When the line is full
// the accepting thread waits, so further clients wait in the kernel's listen queue instead of
// in our memory.
class BoundedTaskQueue : public httplib::TaskQueue {
public:
    BoundedTaskQueue(std::size_t workers, std::size_t maxWaiting);
    ~BoundedTaskQueue() override;

    void enqueue(std::function<void()> fn) override;
    void shutdown() override;

private:
    void Work();

    const std::size_t maxWaiting_;
    std::mutex mutex_;
    std::condition_variable hasWork_;
    std::condition_variable hasRoom_;
    std::deque<std::function<void()>> waiting_;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};

}  // namespace quill::toneserver
