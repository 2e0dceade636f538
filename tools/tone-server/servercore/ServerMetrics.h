#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

namespace quill::toneserver {

// Counters for the Prometheus text format. Paths are counted by route, so a client cannot
// make the set of series grow.
class ServerMetrics {
public:
    static constexpr std::array<const char*, 6> kRoutes = {
        "/util/skypething.php", "/util/speech.php", "page", "/healthz", "/metrics", "other"};
    static constexpr std::array<double, 10> kBuckets = {0.005, 0.01, 0.025, 0.05, 0.1,
                                                        0.25,  0.5,  1,     2.5,  10};

    static std::size_t Route(std::string_view path, bool isPage);
    void Count(std::size_t route, int status, double seconds);
    void Opened() { ++open_; }
    void Closed() { --open_; }
    std::int64_t Open() const { return open_; }

    struct Others {
        std::uint64_t restarts, hits, misses, cacheBytes;
        std::size_t liveWorkers, workers;
    };
    std::string Text(const Others& others) const;

private:
    struct PerRoute {
        std::atomic<std::uint64_t> requests{0}, errors{0};
    };
    std::array<PerRoute, kRoutes.size()> routes_;
    std::array<std::atomic<std::uint64_t>, kBuckets.size() + 1> buckets_{};  // the last is +Inf
    std::atomic<std::uint64_t> microseconds_{0};
    std::atomic<std::int64_t> open_{0};
};

}  // namespace quill::toneserver
