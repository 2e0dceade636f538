#pragma once
#include <chrono>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <thread>

namespace quill::toneserver {

// One thread that runs each callback at its time, plus one callback every period.
class Timers {
public:
    using Clock = std::chrono::steady_clock;

    Timers(std::chrono::milliseconds period, std::function<void()> everyPeriod);
    ~Timers();  // what is still due is dropped

    void At(Clock::time_point when, std::function<void()> fn);

private:
    void Run();

    const std::chrono::milliseconds period_;
    const std::function<void()> everyPeriod_;
    std::mutex lock_;
    std::condition_variable changed_;
    std::multimap<Clock::time_point, std::function<void()>> due_;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace quill::toneserver
