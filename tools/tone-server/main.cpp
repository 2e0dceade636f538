// tone-server: the information and speech services the add-on asks for.
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <mutex>
#include <thread>

#include "core/server/ProgramVersion.h"
#include "servercore/ServerOptions.h"
#include "servercore/ToneHttpServer.h"

using namespace quill::toneserver;

namespace {

void Log(const std::string& text) {
    static std::mutex lock;
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
    std::lock_guard<std::mutex> hold(lock);
    std::cout << stamp << " " << text << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
    // Signals go to one thread that stops the server; the others never see them. Blocked
    // first, before any library starts a thread of its own.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    const ParsedOptions parsed = ParseOptions({argv + 1, argv + argc});
    if (!parsed.error.empty()) {
        std::cerr << "tone-server: " << parsed.error << "\n" << kUsage << "\n";
        return 2;
    }
    const ServerOptions& o = parsed.options;

    SpeechEngine* engine = SpeechEngine::Get();
    if (engine == nullptr) {
        std::cerr << "tone-server: espeak-ng could not start (is espeak-ng-data installed?)\n";
        return 1;
    }
    ServiceSettings settings;
    settings.version = o.version.empty() ? quill::OwnVersionText() : o.version;
    settings.updateRequired = o.updateRequired;
    settings.voices = AvailableVoices([engine](const std::string& name) { return engine->HasVoice(name); });
    if (settings.voices.empty()) {
        std::cerr << "tone-server: espeak-ng has none of the offered voices\n";
        return 1;
    }

    const ToneService service(settings, *engine);
    ToneHttpServer server(service, o.slowMs, Log, o.trickleMs);
    const int port = server.Bind(o.host, o.port);
    if (port < 0) {
        std::cerr << "tone-server: cannot listen on " << o.host << ":" << o.port << "\n";
        return 1;
    }
    std::cout << "listening on " << o.host << ":" << port << std::endl;

    std::atomic<bool> finished{false};
    std::thread stopper([&] {
        int sig = 0;
        sigwait(&stopSignals, &sig);
        while (!finished && !server.Serving()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        server.Stop();
    });
    const bool served = server.Serve();
    finished = true;
    Log(std::string("stopped") + (served ? "" : " (listening failed)"));
    // Serve can end without a signal; wake the waiting thread ourselves.
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    return served ? 0 : 1;
}
