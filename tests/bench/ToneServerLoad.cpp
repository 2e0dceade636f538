// Sends typical speech requests to a running tone-server, or runs the espeak-ng command line
// once per request as a naive server would, and prints latency and throughput.
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "core/server/RequestCode.h"

namespace {

using Clock = std::chrono::steady_clock;

const std::string kText = "Hello Anna, your friend is calling you now. Please pick up!!";  // 60

struct Figures {
    double medianMs, p99Ms, perSecond;
    int failed;
};

template <class Request>
Figures Measure(int concurrency, int total, Request request) {
    std::vector<double> ms(total);
    std::atomic<int> next{0}, failed{0};
    const auto start = Clock::now();
    std::vector<std::thread> workers;
    for (int w = 0; w < concurrency; ++w)
        workers.emplace_back([&] {
            auto state = request.Open();
            for (int i; (i = next++) < total;) {
                const auto t = Clock::now();
                if (!request.Send(state)) ++failed;
                ms[i] = std::chrono::duration<double, std::milli>(Clock::now() - t).count();
            }
        });
    for (auto& w : workers) w.join();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::sort(ms.begin(), ms.end());
    return {ms[total / 2], ms[std::min(total - 1, total * 99 / 100)], total / seconds, failed};
}

struct ServerRequest {
    int port;
    std::string path;
    std::unique_ptr<httplib::Client> Open() const {
        return std::make_unique<httplib::Client>("127.0.0.1", port);
    }
    bool Send(std::unique_ptr<httplib::Client>& c) const {
        auto res = c->Get(path.c_str());
        return res && res->status == 200 && res->body.size() > 1000;
    }
};

struct CommandLineRequest {
    std::string command;
    int Open() const { return 0; }
    bool Send(int) const {
        FILE* p = popen(command.c_str(), "r");
        if (!p) return false;
        char buf[4096];
        std::size_t bytes = 0;
        for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) bytes += n;
        return pclose(p) == 0 && bytes > 1000;
    }
};

void Print(const char* kHz, int concurrency, const Figures& server, const Figures& naive) {
    std::printf("%4s %2d | %7.1f %7.1f %7.1f | %7.1f %7.1f %7.1f | %5.1fx %5.1fx | %d %d\n", kHz,
                concurrency, server.medianMs, server.p99Ms, server.perSecond, naive.medianMs,
                naive.p99Ms, naive.perSecond, naive.medianMs / server.medianMs,
                server.perSecond / naive.perSecond, server.failed, naive.failed);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: tone_server_load PORT [REQUESTS]\n";
        return 2;
    }
    const int port = std::atoi(argv[1]);
    const int total = argc > 2 ? std::atoi(argv[2]) : 200;
    std::printf("kHz  c | tone-server: median p99 req/s | naive: median p99 req/s |"
                " faster, busier | failed\n");
    for (const char* voice : {"en+m3-16", "en+m3-8"}) {
        const std::string rate = quill::RateForVoice(voice);
        const ServerRequest server{
            port, "/util/speech.php?Item=" + quill::EncodeRequest(quill::RequestText(
                                                  5, {voice, rate, kText}))};
        // The naive way: a process per request, and sox for the rate.
        const CommandLineRequest naive{"espeak-ng -v en+m3 --stdout '" + kText +
                                       "' | sox -V1 -t wav - -r " + rate + "000 -t wav -"};
        for (int c : {1, 8})
            Print(rate.c_str(), c, Measure(c, total, server), Measure(c, std::max(8, total / 4), naive));
    }
    return 0;
}
