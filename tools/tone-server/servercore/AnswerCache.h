#pragma once
#include <atomic>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

namespace quill::toneserver {

// Answers kept in memory, least recently used out first, within a cap on the bytes of keys
// and answers together. Safe from any thread.
class AnswerCache {
public:
    explicit AnswerCache(std::size_t capBytes) : cap_(capBytes) {}

    std::optional<std::string> Find(const std::string& key);
    // An answer larger than the whole cap is not kept.
    void Keep(const std::string& key, std::string answer);

    std::size_t Bytes() const;
    std::uint64_t Hits() const { return hits_; }
    std::uint64_t Misses() const { return misses_; }

private:
    using Entry = std::pair<std::string, std::string>;  // key, answer

    const std::size_t cap_;
    mutable std::mutex lock_;
    std::list<Entry> order_;  // most recent first
    std::unordered_map<std::string, std::list<Entry>::iterator> index_;
    std::size_t bytes_ = 0;
    std::atomic<std::uint64_t> hits_{0};
    std::atomic<std::uint64_t> misses_{0};
};

}  // namespace quill::toneserver
