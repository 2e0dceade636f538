#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/platform/Internet.h"
#include "fakes/FakeClock.h"

namespace quill::test {

// A server that answers each address from the answer whose key starts it. A call comes back
// once the clock, which Await moves on as it waits, has run the answer's time for it.
class FakeInternet : public Internet {
public:
    static constexpr unsigned kNever = ~0u;
    struct Answer {
        std::string body;
        unsigned long openError = 0;  // the address cannot be opened
        unsigned long readError = 0;  // the read after the body fails instead of ending
        unsigned openMs = 0, readMs = 0;  // how long opening and each read take
    };
    std::map<std::string, Answer> answers;
    unsigned long sessionError = 0;
    std::vector<std::string> opened;  // addresses asked for
    std::string agent;
    std::uint32_t flags = 0;
    int handlesOpen = 0, awaits = 0;
    FakeClock* clock = nullptr;
    std::function<void()> onAwait;  // the windows' events while a call is waited for

    void OpenSession(const std::string& a) override {
        agent = a;
        Begin(0, [this] { return Opened(sessionError); });
    }
    void OpenAddress(const std::string& address, std::uint32_t f) override {
        opened.push_back(address), flags = f, at_ = 0;
        static const Answer none{"", 12029};
        answer_ = &none;
        for (auto& [key, a] : answers)
            if (address.rfind(key, 0) == 0) answer_ = &a;
        Begin(answer_->openMs, [this] { return Opened(answer_->openError); });
    }
    void ReadBlock(std::size_t maxBytes) override {
        Begin(answer_->readMs, [this, maxBytes] {
            if (at_ >= answer_->body.size() && answer_->readError) return Outcome{false, {}, answer_->readError};
            std::string block = answer_->body.substr(std::min(at_, answer_->body.size()), maxBytes);
            at_ += block.size();
            return Outcome{true, block, 0};
        });
    }
    std::optional<Outcome> Await(unsigned waitMs) override {
        ++awaits;
        if (onAwait) onAwait();
        const unsigned step = std::min(remainingMs_, waitMs);
        if (clock) clock->ms += step;
        if (remainingMs_ != kNever) remainingMs_ -= step;
        if (remainingMs_ > 0 || !call_) return std::nullopt;
        return std::exchange(call_, nullptr)();
    }
    void Close() override { handlesOpen = 0, call_ = nullptr; }

private:
    void Begin(unsigned ms, std::function<Outcome()> call) { remainingMs_ = ms, call_ = std::move(call); }
    Outcome Opened(unsigned long error) {
        handlesOpen += !error;
        return {!error, {}, error};
    }
    std::function<Outcome()> call_;
    unsigned remainingMs_ = 0;
    const Answer* answer_ = nullptr;
    std::size_t at_ = 0;
};

}  // namespace quill::test
