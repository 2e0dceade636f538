#pragma once
#include <sys/types.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace quill::toneserver {

// Work that may crash or hang runs in forked worker processes, one job at a time each. A
// worker that dies, or that overruns the time limit, is killed and replaced; its job fails
// and the next one is served by the new worker.
class WorkerPool {
public:
    // Runs in the worker process: a job's bytes in, the answer's bytes out.
    using Work = std::function<std::string(std::string_view job)>;

    struct Result {
        enum class Outcome { Done, Died, TimedOut, Stopped };
        Outcome outcome = Outcome::Stopped;
        std::string answer;
    };
    using Done = std::function<void(Result)>;

    WorkerPool(std::size_t workers, std::chrono::milliseconds timeLimit, Work work);
    ~WorkerPool() { Stop(); }
    // Kills the workers; the jobs in flight and in line end as Stopped.
    void Stop();

    // done runs on one of the pool's threads.
    void Submit(std::string job, Done done);
    Result Run(std::string job);  // Submit, and wait

    std::size_t Workers() const { return slots_.size(); }
    std::size_t LiveWorkers() const;
    std::uint64_t Restarts() const { return restarts_; }
    std::size_t Busy() const { return busy_; }

private:
    struct Slot {
        std::atomic<pid_t> pid{-1};
        int fd = -1;
    };
    struct Job {
        std::string bytes;
        Done done;
    };

    void Serve(Slot& slot);
    bool Start(Slot& slot);
    void Replace(Slot& slot);
    void End(Slot& slot);
    Result Exchange(Slot& slot, const std::string& job);

    const std::chrono::milliseconds timeLimit_;
    const Work work_;
    std::vector<std::unique_ptr<Slot>> slots_;
    std::vector<std::thread> threads_;
    mutable std::mutex lock_;
    std::condition_variable hasJob_;
    std::deque<Job> jobs_;
    std::atomic<bool> stopping_{false};
    std::atomic<std::uint64_t> restarts_{0};
    std::atomic<std::size_t> busy_{0};
};

}  // namespace quill::toneserver
