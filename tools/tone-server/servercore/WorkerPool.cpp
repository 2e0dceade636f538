#include "servercore/WorkerPool.h"

#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <future>

namespace quill::toneserver {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint32_t kMaxJobBytes = 64 * 1024;
constexpr std::uint32_t kMaxAnswerBytes = 16 * 1024 * 1024;
constexpr int kWorkerFd = 3;

bool SendAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = send(fd, data, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool SendFrame(int fd, const std::string& bytes) {
    const std::uint32_t size = static_cast<std::uint32_t>(bytes.size());
    char head[4];
    std::memcpy(head, &size, 4);
    return SendAll(fd, head, 4) && SendAll(fd, bytes.data(), bytes.size());
}

enum class Got { Frame, Closed, Late, Stopped };

// Reads exactly size bytes; waits at most until deadline (none when stop is null).
Got ReceiveAll(int fd, char* data, std::size_t size, Clock::time_point deadline,
               const std::atomic<bool>* stop) {
    while (size > 0) {
        if (stop != nullptr) {
            if (*stop) return Got::Stopped;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) return Got::Late;
            pollfd p{fd, POLLIN, 0};
            const int ready = poll(&p, 1, static_cast<int>(std::min<long long>(left.count(), 100)));
            if (ready == 0 || (ready < 0 && errno == EINTR)) continue;
            if (ready < 0) return Got::Closed;
        }
        const ssize_t n = recv(fd, data, size, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) return Got::Closed;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return Got::Frame;
}

Got ReceiveFrame(int fd, std::uint32_t limit, std::string& out, Clock::time_point deadline,
                 const std::atomic<bool>* stop) {
    char head[4];
    if (const Got g = ReceiveAll(fd, head, 4, deadline, stop); g != Got::Frame) return g;
    std::uint32_t size = 0;
    std::memcpy(&size, head, 4);
    if (size > limit) return Got::Closed;
    out.resize(size);
    return ReceiveAll(fd, out.data(), size, deadline, stop);
}

[[noreturn]] void WorkerMain(int fd, const WorkerPool::Work& work) {
    for (std::string job;;) {
        if (ReceiveFrame(fd, kMaxJobBytes, job, {}, nullptr) != Got::Frame) _exit(0);
        if (!SendFrame(fd, work(job))) _exit(0);
    }
}

}  // namespace

WorkerPool::WorkerPool(std::size_t workers, std::chrono::milliseconds timeLimit, Work work)
    : timeLimit_(timeLimit), work_(std::move(work)) {
    for (std::size_t i = 0; i < std::max<std::size_t>(workers, 1); ++i) {
        slots_.push_back(std::make_unique<Slot>());
        Start(*slots_.back());
    }
    for (auto& slot : slots_) threads_.emplace_back([this, s = slot.get()] { Serve(*s); });
}

void WorkerPool::Stop() {
    std::deque<Job> left;
    {
        std::lock_guard<std::mutex> hold(lock_);
        stopping_ = true;
        hasJob_.notify_all();
        left.swap(jobs_);
    }
    for (auto& t : threads_)
        if (t.joinable()) t.join();
    for (Job& job : left) job.done(Result{});
}

bool WorkerPool::Start(Slot& slot) {
    int pair[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0) return false;
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0) {
        close(pair[0]);
        close(pair[1]);
        return false;
    }
    if (pid == 0) {
        // The worker keeps only its own end: no listening socket, no client connection.
        close(pair[0]);
        if (pair[1] != kWorkerFd) dup2(pair[1], kWorkerFd);
        close_range(kWorkerFd + 1, ~0U, 0);
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(0);
        // Ctrl-C reaches the whole group; the server, not the worker, decides when to stop.
        sigset_t stop;
        sigemptyset(&stop);
        sigaddset(&stop, SIGINT);
        sigaddset(&stop, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &stop, nullptr);
        WorkerMain(kWorkerFd, work_);
    }
    close(pair[1]);
    slot.fd = pair[0];
    slot.pid = pid;
    return true;
}

void WorkerPool::End(Slot& slot) {
    const pid_t pid = slot.pid.exchange(-1);
    if (pid > 0) {
        kill(pid, SIGKILL);
        while (waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    if (slot.fd >= 0) close(slot.fd);
    slot.fd = -1;
}

void WorkerPool::Replace(Slot& slot) {
    End(slot);
    ++restarts_;
    Start(slot);
}

WorkerPool::Result WorkerPool::Exchange(Slot& slot, const std::string& job) {
    Result r;
    if (slot.pid <= 0 && !Start(slot)) {
        r.outcome = Result::Outcome::Died;
        return r;
    }
    const Got got = SendFrame(slot.fd, job)
                        ? ReceiveFrame(slot.fd, kMaxAnswerBytes, r.answer, Clock::now() + timeLimit_, &stopping_)
                        : Got::Closed;
    switch (got) {
        case Got::Frame: r.outcome = Result::Outcome::Done; return r;
        case Got::Stopped: r.outcome = Result::Outcome::Stopped; break;
        case Got::Late: r.outcome = Result::Outcome::TimedOut; break;
        case Got::Closed: r.outcome = Result::Outcome::Died; break;
    }
    r.answer.clear();
    if (got != Got::Stopped) Replace(slot);
    return r;
}

void WorkerPool::Serve(Slot& slot) {
    while (!stopping_) {
        std::unique_lock<std::mutex> hold(lock_);
        hasJob_.wait_for(hold, std::chrono::seconds(1), [this] { return stopping_ || !jobs_.empty(); });
        if (stopping_) break;
        if (jobs_.empty()) {
            hold.unlock();
            // A worker that died while idle is replaced before anyone needs it.
            const pid_t pid = slot.pid;
            if (pid <= 0) Start(slot);
            else if (waitpid(pid, nullptr, WNOHANG) == pid) {
                slot.pid = -1;
                Replace(slot);
            }
            continue;
        }
        Job job = std::move(jobs_.front());
        jobs_.pop_front();
        ++busy_;
        hold.unlock();
        Result r = Exchange(slot, job.bytes);
        --busy_;
        job.done(std::move(r));
    }
    End(slot);
}

void WorkerPool::Submit(std::string job, Done done) {
    std::lock_guard<std::mutex> hold(lock_);
    if (stopping_) {
        done(Result{});
        return;
    }
    jobs_.push_back({std::move(job), std::move(done)});
    hasJob_.notify_one();
}

WorkerPool::Result WorkerPool::Run(std::string job) {
    auto promise = std::make_shared<std::promise<Result>>();
    auto answer = promise->get_future();
    Submit(std::move(job), [promise](Result r) { promise->set_value(std::move(r)); });
    return answer.get();
}

std::size_t WorkerPool::LiveWorkers() const {
    std::size_t live = 0;
    for (const auto& s : slots_) live += s->pid > 0 ? 1 : 0;
    return live;
}

}  // namespace quill::toneserver
