// tone-server: the information and speech services the add-on asks for.
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <mutex>

#include "core/server/ProgramVersion.h"
#include "servercore/ServerOptions.h"
#include "servercore/SpeechJob.h"
#include "servercore/ToneHttpServer.h"

using namespace quill::toneserver;

namespace {

// A request that outlives this is given up and its worker replaced.
constexpr std::chrono::seconds kSpeechTimeLimit{10};
// What SIGTERM leaves the requests in flight, within the 5 s a supervisor waits.
constexpr std::chrono::milliseconds kStopGrace{4000};

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
    // Signals are taken by sigwait below; no thread, and no worker, is interrupted by them.
    // Blocked first, before any library starts a thread of its own.
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

    // The workers are forked here, from the engine already loaded, before any thread starts.
    const int workers = o.workers > 0 ? o.workers : static_cast<int>(std::max(1L, sysconf(_SC_NPROCESSORS_ONLN)));
    WorkerPool pool(workers, kSpeechTimeLimit,
                    [engine](std::string_view job) { return SpeakJob(*engine, job, kMaxSpeechSeconds); });
    AnswerCache cache(static_cast<std::size_t>(o.cacheMb) << 20);
    const ToneService service(settings, pool, cache);
    HttpLimits limits;
    limits.connectionsPerAddress = static_cast<unsigned>(o.perAddress);
    ToneHttpServer server(service, pool, cache, o.trickleMs > 0 ? TricklePacing(o.trickleMs) : SlowPacing(o.slowMs),
                          limits, Log);
    const int port = server.Start(o.host, o.port);
    if (port < 0) {
        std::cerr << "tone-server: cannot listen on " << o.host << ":" << o.port << "\n";
        return 1;
    }
    std::cout << "listening on " << o.host << ":" << port << std::endl;
    Log(std::to_string(workers) + " speech workers, answer cache " + std::to_string(o.cacheMb) + " MiB");

    int sig = 0;
    sigwait(&stopSignals, &sig);
    Log("stopping");
    server.Stop(kStopGrace);
    pool.Stop();
    Log("stopped");
    return 0;
}
