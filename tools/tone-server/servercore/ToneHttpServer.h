#pragma once
#include <httplib.h>

#include <functional>
#include <string>

#include "servercore/ToneService.h"

namespace quill::toneserver {

inline constexpr std::size_t kWorkers = 8;
inline constexpr std::size_t kMaxWaitingConnections = 64;
inline constexpr int kListenBacklog = 128;

// The HTTP side: routes, limits, the request log and the slow mode.
class ToneHttpServer {
public:
    using LogLine = std::function<void(const std::string&)>;

    // slowMs > 0 trickles every successful answer in 2048-byte blocks, pausing before each;
    // trickleMs > 0 sends every answer one byte every trickleMs.
    ToneHttpServer(const ToneService& service, int slowMs, LogLine log, int trickleMs = 0);

    // The port now bound (a free one when port is 0), or -1.
    int Bind(const std::string& host, int port);
    // Serves until Stop; false when it could not.
    bool Serve();
    bool Serving() const { return http_.is_running(); }
    // Only once Serving: a Stop before that is lost.
    void Stop();

private:
    httplib::Server http_;
    int listenSocket_ = -1;
};

}  // namespace quill::toneserver
