#include "servercore/ToneHttpServer.h"

#include <arpa/inet.h>
#include <microhttpd.h>
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "servercore/InfoFile.h"
#include "servercore/Timers.h"

namespace quill::toneserver {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kMaxBodyBytes = 4096;
constexpr int kListenBacklog = 128;

// Connections waiting for us, not for the network. Once closed, nothing is suspended any more
// and a late resume is harmless.
class Suspended {
public:
    bool Suspend(MHD_Connection* c) {
        std::lock_guard<std::mutex> hold(lock_);
        if (closed_) return false;
        MHD_suspend_connection(c);
        set_.insert(c);
        return true;
    }
    void Resume(MHD_Connection* c) {
        std::lock_guard<std::mutex> hold(lock_);
        if (set_.erase(c) > 0) MHD_resume_connection(c);
    }
    void ResumeAllAndClose() {
        std::lock_guard<std::mutex> hold(lock_);
        closed_ = true;
        for (MHD_Connection* c : set_) MHD_resume_connection(c);
        set_.clear();
    }

private:
    std::mutex lock_;
    std::set<MHD_Connection*> set_;
    bool closed_ = false;
};

// A speech answer on its way from a worker's thread to the connection's thread.
struct Handoff {
    std::mutex lock;
    std::optional<Reply> reply;
    bool suspended = false;
};

struct Request {
    Clock::time_point start = Clock::now();
    std::string method, path;
    std::size_t route = ServerMetrics::kRoutes.size() - 1;
    std::size_t bodyBytes = 0;
    int status = 0;
    std::size_t bytes = 0;
    std::string errorText;
    std::shared_ptr<Handoff> handoff;
};

struct Connection {
    int fd;
    Clock::time_point deadline;
};

struct PacedBody {
    std::string body;
    Pacing pacing;
    Clock::time_point next;
    MHD_Connection* connection;
    std::shared_ptr<Suspended> suspended;
    Timers* timers;
    const std::atomic<bool>* stopping;
};

ssize_t ReadPaced(void* cls, std::uint64_t pos, char* buf, std::size_t max) {
    auto* p = static_cast<PacedBody*>(cls);
    if (*p->stopping) return MHD_CONTENT_READER_END_WITH_ERROR;
    if (pos >= p->body.size()) return MHD_CONTENT_READER_END_OF_STREAM;
    if (Clock::now() < p->next) {
        // Wait off the thread: suspended, and woken by the timer.
        if (!p->suspended->Suspend(p->connection)) return MHD_CONTENT_READER_END_WITH_ERROR;
        p->timers->At(p->next, [s = p->suspended, c = p->connection] { s->Resume(c); });
        return 0;
    }
    const std::size_t n = std::min({p->pacing.block, max, p->body.size() - static_cast<std::size_t>(pos)});
    std::memcpy(buf, p->body.data() + pos, n);
    p->next = Clock::now() + std::chrono::milliseconds(p->pacing.pauseMs);
    return static_cast<ssize_t>(n);
}

std::string Address(const sockaddr* a) {
    char text[INET6_ADDRSTRLEN] = "?";
    if (a == nullptr) return text;
    if (a->sa_family == AF_INET)
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(a)->sin_addr, text, sizeof text);
    else if (a->sa_family == AF_INET6)
        inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(a)->sin6_addr, text, sizeof text);
    return text;
}

std::string LocalHost(int fd) {
    sockaddr_storage a{};
    socklen_t size = sizeof a;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&a), &size) != 0) return "127.0.0.1";
    const bool v6 = a.ss_family == AF_INET6;
    const int port = ntohs(v6 ? reinterpret_cast<sockaddr_in6*>(&a)->sin6_port
                              : reinterpret_cast<sockaddr_in*>(&a)->sin_port);
    const std::string host = Address(reinterpret_cast<sockaddr*>(&a));
    return (v6 ? "[" + host + "]" : host) + ":" + std::to_string(port);
}

int Listen(const std::string& host, int port) {
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return -1;
    int fd = -1;
    for (addrinfo* a = found; a != nullptr && fd < 0; a = a->ai_next) {
        fd = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) continue;
        // Only the address: SO_REUSEPORT would let a second server share our port without a word.
        const int yes = 1;
        setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        if (bind(fd, a->ai_addr, a->ai_addrlen) != 0 || listen(fd, kListenBacklog) != 0) {
            close(fd);
            fd = -1;
        }
    }
    freeaddrinfo(found);
    return fd;
}

int BoundPort(int fd) {
    const std::string local = LocalHost(fd);
    return std::stoi(local.substr(local.rfind(':') + 1));
}

const char* Header(MHD_Connection* c, MHD_ValueKind kind, const char* name) {
    return MHD_lookup_connection_value(c, kind, name);
}

}  // namespace

Pacing SlowPacing(int slowMs) { return slowMs > 0 ? Pacing{2048, slowMs, false} : Pacing{}; }
Pacing TricklePacing(int trickleMs) { return trickleMs > 0 ? Pacing{1, trickleMs, true} : Pacing{}; }

struct ToneHttpServer::Impl {
    const ToneService& service;
    WorkerPool& workers;
    AnswerCache& cache;
    const Pacing pacing;
    const HttpLimits limits;
    const LogLine log;
    ServerMetrics metrics;
    std::shared_ptr<Suspended> suspended = std::make_shared<Suspended>();
    std::atomic<bool> stopping{false};
    std::atomic<int> inFlight{0};
    std::mutex connectionsLock;
    std::set<Connection*> connections;
    std::unique_ptr<Timers> timers;
    MHD_Daemon* daemon = nullptr;

    Impl(const ToneService& s, WorkerPool& w, AnswerCache& c, Pacing p, HttpLimits l, LogLine lg)
        : service(s), workers(w), cache(c), pacing(p), limits(l), log(std::move(lg)) {}

    void SetDeadline(MHD_Connection* c, std::chrono::milliseconds from) {
        const MHD_ConnectionInfo* info = MHD_get_connection_info(c, MHD_CONNECTION_INFO_SOCKET_CONTEXT);
        if (info == nullptr || info->socket_context == nullptr) return;
        std::lock_guard<std::mutex> hold(connectionsLock);
        static_cast<Connection*>(info->socket_context)->deadline =
            from.count() < 0 ? Clock::time_point::max() : Clock::now() + from;
    }

    // A client that has not finished in time is cut off; the library then closes its socket.
    void DropLate() {
        const auto now = Clock::now();
        int dropped = 0;
        {
            std::lock_guard<std::mutex> hold(connectionsLock);
            for (Connection* c : connections)
                if (c->deadline < now) {
                    shutdown(c->fd, SHUT_RDWR);
                    c->deadline = Clock::time_point::max();
                    ++dropped;
                }
        }
        if (dropped > 0) log("dropped " + std::to_string(dropped) + " connection(s) at their deadline");
    }

    MHD_Result Answer(MHD_Connection* c, Request& req, const Reply& r) {
        req.status = r.status;
        req.bytes = r.body.size();
        if (r.status >= 400 && !r.body.empty() && r.body.size() < kErrorTextLimit) req.errorText = r.body;
        MHD_Response* response = nullptr;
        if (pacing.block > 0 && (r.status == 200 || pacing.errorsToo)) {
            auto* body = new PacedBody{r.body, pacing, Clock::now() + std::chrono::milliseconds(pacing.pauseMs),
                                       c, suspended, timers.get(), &stopping};
            response = MHD_create_response_from_callback(
                r.body.size(), 4096, ReadPaced, body, [](void* p) { delete static_cast<PacedBody*>(p); });
        } else {
            response = MHD_create_response_from_buffer(r.body.size(), const_cast<char*>(r.body.data()),
                                                       MHD_RESPMEM_MUST_COPY);
        }
        if (response == nullptr) return MHD_NO;
        MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, r.contentType.c_str());
        const MHD_Result queued = MHD_queue_response(c, static_cast<unsigned>(r.status), response);
        MHD_destroy_response(response);
        return queued;
    }

    MHD_Result Speak(MHD_Connection* c, Request& req, const char* item) {
        auto handoff = std::make_shared<Handoff>();
        req.handoff = handoff;
        auto s = suspended;
        service.Speak(item ? std::optional<std::string_view>(item) : std::nullopt, [handoff, s, c](Reply r) {
            std::lock_guard<std::mutex> hold(handoff->lock);
            handoff->reply = std::move(r);
            if (handoff->suspended) s->Resume(c);
        });
        std::lock_guard<std::mutex> hold(handoff->lock);
        if (handoff->reply) return Answer(c, req, *handoff->reply);
        handoff->suspended = suspended->Suspend(c);
        if (!handoff->suspended) return Answer(c, req, {503, "text/plain", "The server is stopping. Try again."});
        return MHD_YES;
    }

    MHD_Result Route(MHD_Connection* c, Request& req) {
        const auto page = req.path == kInfoPath || req.path == kSpeechPath ? std::nullopt : service.Page(req.path);
        req.route = ServerMetrics::Route(req.path, page.has_value());
        if (MHD_get_connection_values(c, MHD_HEADER_KIND, nullptr, nullptr) > static_cast<int>(limits.maxHeaders))
            return Answer(c, req, {431, "text/plain", "Too many header fields."});
        if (req.method != "GET" && req.method != "HEAD")
            return Answer(c, req, {405, "text/plain", "Only GET is served."});
        const char* item = Header(c, MHD_GET_ARGUMENT_KIND, "Item");
        const auto maybeItem = item ? std::optional<std::string_view>(item) : std::nullopt;
        if (req.path == kSpeechPath) return Speak(c, req, item);
        if (req.path == kInfoPath) {
            const char* host = Header(c, MHD_HEADER_KIND, MHD_HTTP_HEADER_HOST);
            const MHD_ConnectionInfo* fd = MHD_get_connection_info(c, MHD_CONNECTION_INFO_CONNECTION_FD);
            return Answer(c, req, service.Info(maybeItem, host ? host : "", LocalHost(fd ? fd->connect_fd : -1)));
        }
        if (req.path == "/healthz") {
            const bool healthy = !stopping && workers.LiveWorkers() == workers.Workers();
            return Answer(c, req, healthy ? Reply{200, "text/plain", "ok\n"}
                                          : Reply{503, "text/plain", "unhealthy\n"});
        }
        if (req.path == "/metrics")
            return Answer(c, req, {200, "text/plain; version=0.0.4",
                                   metrics.Text({workers.Restarts(), cache.Hits(), cache.Misses(), cache.Bytes(),
                                                 workers.LiveWorkers(), workers.Workers()})});
        return Answer(c, req, page ? *page : Reply{404, "text/plain", "Not found."});
    }

    static MHD_Result OnRequest(void* cls, MHD_Connection* c, const char* url, const char* method, const char*,
                                const char*, std::size_t* uploadSize, void** requestState) {
        auto* self = static_cast<Impl*>(cls);
        if (*requestState == nullptr) {
            auto* req = new Request;
            req->method = method;
            req->path = url;
            *requestState = req;
            ++self->inFlight;
            self->SetDeadline(c, self->pacing.block > 0 ? std::chrono::milliseconds(-1) : self->limits.answerDeadline);
            return MHD_YES;
        }
        Request& req = *static_cast<Request*>(*requestState);
        if (*uploadSize > 0) {
            req.bodyBytes += *uploadSize;
            *uploadSize = 0;
            return req.bodyBytes > kMaxBodyBytes ? MHD_NO : MHD_YES;
        }
        if (req.handoff) {
            std::lock_guard<std::mutex> hold(req.handoff->lock);
            return self->Answer(c, req, req.handoff->reply.value_or(
                                            Reply{503, "text/plain", "The server is stopping. Try again."}));
        }
        return self->Route(c, req);
    }

    static void OnCompleted(void* cls, MHD_Connection* c, void** requestState, MHD_RequestTerminationCode) {
        auto* self = static_cast<Impl*>(cls);
        auto* req = static_cast<Request*>(*requestState);
        if (req == nullptr) return;
        *requestState = nullptr;
        const double seconds = std::chrono::duration<double>(Clock::now() - req->start).count();
        const MHD_ConnectionInfo* client = MHD_get_connection_info(c, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
        std::string line = Address(client ? client->client_addr : nullptr) + " " + req->method + " " +
                           req->path.substr(0, 100) + " ";
        if (req->status == 0) {
            line += "dropped";
        } else {
            self->metrics.Count(req->route, req->status, seconds);
            line += std::to_string(req->status) + " " + std::to_string(req->bytes) + " bytes";
            if (!req->errorText.empty()) line += " \"" + req->errorText + "\"";
        }
        for (char& ch : line)
            if (static_cast<unsigned char>(ch) < 0x20) ch = ' ';
        self->log(line);
        delete req;
        self->SetDeadline(c, self->limits.requestDeadline);
        --self->inFlight;
    }

    static void OnConnection(void* cls, MHD_Connection* c, void** context, MHD_ConnectionNotificationCode code) {
        auto* self = static_cast<Impl*>(cls);
        std::lock_guard<std::mutex> hold(self->connectionsLock);
        if (code == MHD_CONNECTION_NOTIFY_STARTED) {
            const MHD_ConnectionInfo* fd = MHD_get_connection_info(c, MHD_CONNECTION_INFO_CONNECTION_FD);
            auto* conn = new Connection{fd ? fd->connect_fd : -1, Clock::now() + self->limits.requestDeadline};
            *context = conn;
            self->connections.insert(conn);
            self->metrics.Opened();
        } else if (*context != nullptr) {
            // The library closes the socket only after this returns, so DropLate never shuts
            // down a number already given to someone else.
            auto* conn = static_cast<Connection*>(*context);
            self->connections.erase(conn);
            delete conn;
            *context = nullptr;
            self->metrics.Closed();
        }
    }
};

ToneHttpServer::ToneHttpServer(const ToneService& service, WorkerPool& workers, AnswerCache& cache, Pacing pacing,
                               HttpLimits limits, LogLine log)
    : impl_(std::make_unique<Impl>(service, workers, cache, pacing, limits, std::move(log))) {}

ToneHttpServer::~ToneHttpServer() { Stop(std::chrono::milliseconds(0)); }

int ToneHttpServer::Start(const std::string& host, int port) {
    Impl& i = *impl_;
    const int fd = Listen(host, port);
    if (fd < 0) return -1;
    i.timers = std::make_unique<Timers>(std::chrono::milliseconds(200), [&i] { i.DropLate(); });
    const HttpLimits& l = i.limits;
    i.daemon = MHD_start_daemon(
        MHD_USE_EPOLL_INTERNAL_THREAD | MHD_USE_ITC | MHD_ALLOW_SUSPEND_RESUME, 0, nullptr, nullptr,
        &Impl::OnRequest, &i,
        MHD_OPTION_LISTEN_SOCKET, fd,
        MHD_OPTION_THREAD_POOL_SIZE, std::max(1u, l.threads),
        MHD_OPTION_CONNECTION_MEMORY_LIMIT, l.connectionMemory,
        MHD_OPTION_CONNECTION_LIMIT, l.connections,
        MHD_OPTION_PER_IP_CONNECTION_LIMIT, l.connectionsPerAddress,
        MHD_OPTION_CONNECTION_TIMEOUT, l.idleSeconds,
        MHD_OPTION_NOTIFY_COMPLETED, &Impl::OnCompleted, &i,
        MHD_OPTION_NOTIFY_CONNECTION, &Impl::OnConnection, &i,
        MHD_OPTION_END);
    if (i.daemon == nullptr) {
        close(fd);
        i.timers.reset();
        return -1;
    }
    return BoundPort(fd);
}

void ToneHttpServer::Stop(std::chrono::milliseconds grace) {
    Impl& i = *impl_;
    if (i.daemon == nullptr) return;
    const MHD_socket listening = MHD_quiesce_daemon(i.daemon);
    if (listening != MHD_INVALID_SOCKET) close(listening);
    const auto until = Clock::now() + grace;
    while (i.inFlight > 0 && Clock::now() < until) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    i.stopping = true;
    i.suspended->ResumeAllAndClose();
    MHD_stop_daemon(i.daemon);
    i.daemon = nullptr;
    i.timers.reset();
}

const ServerMetrics& ToneHttpServer::Metrics() const { return impl_->metrics; }

}  // namespace quill::toneserver
