#pragma once
#include <httplib.h>

#include <chrono>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "servercore/SpeechJob.h"
#include "servercore/ToneHttpServer.h"

namespace quill::toneserver::test {

// A tone server, with its speech workers, on a free loopback port for the life of the object.
class RunningServer {
public:
    explicit RunningServer(Pacing pacing = {}, std::string version = "2.1", HttpLimits limits = {})
        : pool_(2, std::chrono::seconds(10),
                [engine = &Engine()](std::string_view job) { return SpeakJob(*engine, job, kMaxSpeechSeconds); }),
          cache_(8 << 20),
          service_(Settings(std::move(version)), pool_, cache_),
          http_(service_, pool_, cache_, pacing, limits, [this](const std::string& line) {
              std::lock_guard<std::mutex> hold(lock_);
              log_.push_back(line);
          }) {
        port_ = http_.Start("127.0.0.1", 0);
        if (port_ <= 0) throw std::runtime_error("no free port");
    }
    ~RunningServer() {
        http_.Stop(std::chrono::milliseconds(0));
        pool_.Stop();
    }

    int Port() const { return port_; }
    WorkerPool& Pool() { return pool_; }
    httplib::Client Client() const {
        httplib::Client c("127.0.0.1", port_);
        c.set_read_timeout(20);
        return c;
    }
    std::vector<std::string> Log() {
        std::lock_guard<std::mutex> hold(lock_);
        return log_;
    }
    // The server logs a request after its answer has gone out: wait a little for the line.
    bool WaitForLogLine(const std::string& part) {
        for (int i = 0; i < 500; ++i) {
            for (const auto& line : Log())
                if (line.find(part) != std::string::npos) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

private:
    static SpeechEngine& Engine() {
        SpeechEngine* e = SpeechEngine::Get();
        if (e == nullptr) throw std::runtime_error("espeak-ng did not start");
        return *e;
    }
    static ServiceSettings Settings(std::string version) {
        SpeechEngine& e = Engine();
        return {std::move(version), false,
                AvailableVoices([&e](const std::string& n) { return e.HasVoice(n); })};
    }

    WorkerPool pool_;
    AnswerCache cache_;
    ToneService service_;
    ToneHttpServer http_;
    int port_ = -1;
    std::mutex lock_;
    std::vector<std::string> log_;
};

}  // namespace quill::toneserver::test
