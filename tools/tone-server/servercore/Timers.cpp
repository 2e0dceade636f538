#include "servercore/Timers.h"

namespace quill::toneserver {

Timers::Timers(std::chrono::milliseconds period, std::function<void()> everyPeriod)
    : period_(period), everyPeriod_(std::move(everyPeriod)), thread_([this] { Run(); }) {}

Timers::~Timers() {
    {
        std::lock_guard<std::mutex> hold(lock_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void Timers::At(Clock::time_point when, std::function<void()> fn) {
    std::lock_guard<std::mutex> hold(lock_);
    due_.emplace(when, std::move(fn));
    changed_.notify_all();
}

void Timers::Run() {
    auto nextPeriod = Clock::now() + period_;
    std::unique_lock<std::mutex> hold(lock_);
    while (!stopping_) {
        const auto wake = due_.empty() ? nextPeriod : std::min(nextPeriod, due_.begin()->first);
        changed_.wait_until(hold, wake);
        const auto now = Clock::now();
        while (!stopping_ && !due_.empty() && due_.begin()->first <= now) {
            auto fn = std::move(due_.begin()->second);
            due_.erase(due_.begin());
            hold.unlock();
            fn();
            hold.lock();
        }
        if (!stopping_ && now >= nextPeriod) {
            nextPeriod = now + period_;
            hold.unlock();
            everyPeriod_();
            hold.lock();
        }
    }
}

}  // namespace quill::toneserver
