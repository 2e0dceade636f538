#include "servercore/BoundedTaskQueue.h"

namespace quill::toneserver {

BoundedTaskQueue::BoundedTaskQueue(std::size_t workers, std::size_t maxWaiting)
    : maxWaiting_(maxWaiting) {
    for (std::size_t i = 0; i < workers; ++i) workers_.emplace_back([this] { Work(); });
}

BoundedTaskQueue::~BoundedTaskQueue() { shutdown(); }

void BoundedTaskQueue::enqueue(std::function<void()> fn) {
    std::unique_lock<std::mutex> hold(mutex_);
    hasRoom_.wait(hold, [this] { return waiting_.size() < maxWaiting_ || stopping_; });
    // Even while stopping the job runs: it owns the connection and closes it.
    waiting_.push_back(std::move(fn));
    hasWork_.notify_one();
}

void BoundedTaskQueue::shutdown() {
    {
        std::lock_guard<std::mutex> hold(mutex_);
        stopping_ = true;
    }
    hasWork_.notify_all();
    hasRoom_.notify_all();
    for (auto& t : workers_)
        if (t.joinable()) t.join();
}

void BoundedTaskQueue::Work() {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock<std::mutex> hold(mutex_);
            hasWork_.wait(hold, [this] { return !waiting_.empty() || stopping_; });
            if (waiting_.empty()) return;
            job = std::move(waiting_.front());
            waiting_.pop_front();
            hasRoom_.notify_one();
        }
        job();
    }
}

}  // namespace quill::toneserver
