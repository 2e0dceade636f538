#include "servercore/AnswerCache.h"

namespace quill::toneserver {

std::optional<std::string> AnswerCache::Find(const std::string& key) {
    std::lock_guard<std::mutex> hold(lock_);
    const auto it = index_.find(key);
    if (it == index_.end()) {
        ++misses_;
        return std::nullopt;
    }
    ++hits_;
    order_.splice(order_.begin(), order_, it->second);
    return it->second->second;
}

void AnswerCache::Keep(const std::string& key, std::string answer) {
    const std::size_t size = key.size() + answer.size();
    if (size > cap_) return;
    std::lock_guard<std::mutex> hold(lock_);
    if (const auto it = index_.find(key); it != index_.end()) {
        bytes_ -= it->second->first.size() + it->second->second.size();
        order_.erase(it->second);
        index_.erase(it);
    }
    while (bytes_ + size > cap_) {
        const Entry& last = order_.back();
        bytes_ -= last.first.size() + last.second.size();
        index_.erase(last.first);
        order_.pop_back();
    }
    order_.emplace_front(key, std::move(answer));
    index_.emplace(key, order_.begin());
    bytes_ += size;
}

std::size_t AnswerCache::Bytes() const {
    std::lock_guard<std::mutex> hold(lock_);
    return bytes_;
}

}  // namespace quill::toneserver
