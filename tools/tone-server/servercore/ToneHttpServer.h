#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "servercore/AnswerCache.h"
#include "servercore/ServerMetrics.h"
#include "servercore/ToneService.h"
#include "servercore/WorkerPool.h"

namespace quill::toneserver {

// What one client may cost. Connections are served by events, so a slow client costs memory
// and a socket, never a thread.
struct HttpLimits {
    std::size_t connectionMemory = 32 * 1024;  // request line, headers and buffers of one connection
    unsigned maxHeaders = 64;
    unsigned connections = 1000;
    unsigned connectionsPerAddress = 32;
    unsigned idleSeconds = 5;
    // From the connection's start, or its last answer, to a complete request.
    std::chrono::milliseconds requestDeadline{10000};
    // From a complete request to the last byte of its answer, when answers are not paced.
    std::chrono::milliseconds answerDeadline{30000};
    unsigned threads = 2;
};

// Answers sent slowly on purpose, so a client's Cancel and time-outs can be watched at work.
struct Pacing {
    std::size_t block = 0;  // bytes per step; 0: no pacing
    int pauseMs = 0;        // before each step
    bool errorsToo = false;
};
Pacing SlowPacing(int slowMs);        // 2048-byte blocks of successful answers
Pacing TricklePacing(int trickleMs);  // every answer, one byte at a time

// The HTTP side: routes, limits, the request log, health and metrics.
class ToneHttpServer {
public:
    using LogLine = std::function<void(const std::string&)>;

    ToneHttpServer(const ToneService& service, WorkerPool& workers, AnswerCache& cache, Pacing pacing,
                   HttpLimits limits, LogLine log);
    ~ToneHttpServer();

    // Listens and serves on threads of its own. The port now bound (a free one when port is
    // 0), or -1.
    int Start(const std::string& host, int port);
    // Stops accepting at once, gives the requests in flight up to grace to finish, then closes
    // every connection.
    void Stop(std::chrono::milliseconds grace);

    const ServerMetrics& Metrics() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace quill::toneserver
