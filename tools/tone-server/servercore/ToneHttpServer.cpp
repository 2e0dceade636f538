#include "servercore/ToneHttpServer.h"

#include <sys/socket.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <thread>

#include "servercore/BoundedTaskQueue.h"
#include "servercore/InfoFile.h"

namespace quill::toneserver {
namespace {

constexpr std::size_t kBlock = 2048;

std::optional<std::string> Item(const httplib::Request& req) {
    if (!req.has_param("Item")) return std::nullopt;
    return req.get_param_value("Item");
}

void Send(const Reply& r, int slowMs, int trickleMs, httplib::Response& res) {
    res.status = r.status;
    if (trickleMs <= 0 && (slowMs <= 0 || r.status != 200)) {
        res.set_content(r.body, r.contentType.c_str());
        return;
    }
    const int pauseMs = trickleMs > 0 ? trickleMs : slowMs;
    const std::size_t block = trickleMs > 0 ? 1 : kBlock;
    auto body = std::make_shared<const std::string>(r.body);
    res.set_content_provider(
        body->size(), r.contentType.c_str(),
        [body, pauseMs, block](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
            std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
            return sink.write(body->data() + offset, std::min(length, block));
        });
}

// One line per request: who, what, the answer, and the text of an error.
std::string Describe(const httplib::Request& req, const httplib::Response& res) {
    std::string line = req.remote_addr + " " + req.method + " " + req.path.substr(0, 100) + " " +
                       std::to_string(res.status) + " " + res.get_header_value("Content-Length") +
                       " bytes";
    if (res.status >= 400 && res.body.size() < kErrorTextLimit && !res.body.empty())
        line += " \"" + res.body + "\"";
    for (char& c : line)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return line;
}

}  // namespace

ToneHttpServer::ToneHttpServer(const ToneService& service, int slowMs, LogLine log, int trickleMs) {
    // The library's default also sets SO_REUSEPORT, which would let a second server share our
    // port without a word; reusing the address is enough for a quick restart.
    http_.set_socket_options([this](int sock) {
        const int yes = 1;
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        listenSocket_ = sock;
    });
    http_.new_task_queue = [] { return new BoundedTaskQueue(kWorkers, kMaxWaitingConnections); };
    http_.set_payload_max_length(4096);
    http_.set_read_timeout(5);
    http_.set_write_timeout(5);
    http_.set_keep_alive_timeout(5);
    http_.set_logger([log](const httplib::Request& req, const httplib::Response& res) {
        log(Describe(req, res));
    });

    http_.Get(kInfoPath, [&service, slowMs, trickleMs](const httplib::Request& req, httplib::Response& res) {
        const std::string local = req.local_addr + ":" + std::to_string(req.local_port);
        Send(service.Info(Item(req), req.get_header_value("Host"), local), slowMs, trickleMs, res);
    });
    http_.Get(kSpeechPath, [&service, slowMs, trickleMs](const httplib::Request& req, httplib::Response& res) {
        Send(service.Speak(Item(req)), slowMs, trickleMs, res);
    });
    http_.Get(".*", [&service, slowMs, trickleMs](const httplib::Request& req, httplib::Response& res) {
        const auto page = service.Page(req.path);
        Send(page ? *page : Reply{404, "text/plain", "Not found."}, slowMs, trickleMs, res);
    });
}

int ToneHttpServer::Bind(const std::string& host, int port) {
    const int bound = port == 0 ? http_.bind_to_any_port(host) : http_.bind_to_port(host, port) ? port : -1;
    // The library listens with a backlog of 5; a burst of clients past that waits a second
    // for its connection to be retried.
    if (bound > 0) listen(listenSocket_, kListenBacklog);
    return bound;
}

bool ToneHttpServer::Serve() { return http_.listen_after_bind(); }

void ToneHttpServer::Stop() { http_.stop(); }

}  // namespace quill::toneserver
