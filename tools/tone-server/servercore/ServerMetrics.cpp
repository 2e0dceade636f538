#include "servercore/ServerMetrics.h"

#include <cstdio>

namespace quill::toneserver {
namespace {

void Family(std::string& out, const char* name, const char* type, const char* help) {
    out += std::string("# HELP ") + name + " " + help + "\n# TYPE " + name + " " + type + "\n";
}

void Sample(std::string& out, const std::string& name, double value) {
    char number[32];
    std::snprintf(number, sizeof number, "%.17g", value);
    out += name + " " + number + "\n";
}

}  // namespace

std::size_t ServerMetrics::Route(std::string_view path, bool isPage) {
    if (isPage) return 2;
    for (std::size_t i = 0; i < kRoutes.size() - 1; ++i)
        if (path == kRoutes[i]) return i;
    return kRoutes.size() - 1;
}

void ServerMetrics::Count(std::size_t route, int status, double seconds) {
    ++routes_[route].requests;
    if (status >= 400) ++routes_[route].errors;
    std::size_t b = 0;
    while (b < kBuckets.size() && seconds > kBuckets[b]) ++b;
    ++buckets_[b];
    microseconds_ += static_cast<std::uint64_t>(seconds * 1e6);
}

std::string ServerMetrics::Text(const Others& o) const {
    std::string out;
    const auto byRoute = [&](const char* name, const char* help, auto PerRoute::*counter) {
        Family(out, name, "counter", help);
        for (std::size_t i = 0; i < kRoutes.size(); ++i)
            Sample(out, std::string(name) + "{path=\"" + kRoutes[i] + "\"}",
                   static_cast<double>((routes_[i].*counter).load()));
    };
    byRoute("tone_server_requests_total", "Requests answered, by path.", &PerRoute::requests);
    byRoute("tone_server_errors_total", "Requests answered with a status of 400 or more, by path.",
            &PerRoute::errors);

    Family(out, "tone_server_request_duration_seconds", "histogram", "From a complete request to its answer queued.");
    std::uint64_t cumulative = 0;
    for (std::size_t b = 0; b <= kBuckets.size(); ++b) {
        cumulative += buckets_[b];
        char le[16];
        std::snprintf(le, sizeof le, "%g", b < kBuckets.size() ? kBuckets[b] : 0.0);
        Sample(out, std::string("tone_server_request_duration_seconds_bucket{le=\"") +
                        (b < kBuckets.size() ? le : "+Inf") + "\"}",
               static_cast<double>(cumulative));
    }
    Sample(out, "tone_server_request_duration_seconds_sum", microseconds_ / 1e6);
    Sample(out, "tone_server_request_duration_seconds_count", static_cast<double>(cumulative));

    const auto one = [&](const char* name, const char* type, const char* help, double value) {
        Family(out, name, type, help);
        Sample(out, name, value);
    };
    one("tone_server_worker_restarts_total", "counter", "Speech workers replaced after dying or overrunning.",
        static_cast<double>(o.restarts));
    one("tone_server_workers", "gauge", "Speech workers configured.", static_cast<double>(o.workers));
    one("tone_server_workers_alive", "gauge", "Speech workers running now.", static_cast<double>(o.liveWorkers));
    one("tone_server_cache_hits_total", "counter", "Speech answered from the cache.", static_cast<double>(o.hits));
    one("tone_server_cache_misses_total", "counter", "Speech not in the cache.", static_cast<double>(o.misses));
    one("tone_server_cache_bytes", "gauge", "Bytes held by the answer cache.", static_cast<double>(o.cacheBytes));
    one("tone_server_open_connections", "gauge", "Client connections open now.", static_cast<double>(open_.load()));
    return out;
}

}  // namespace quill::toneserver
