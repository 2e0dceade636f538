#pragma once
#include <map>
#include <string>
#include <vector>

#include "core/platform/Internet.h"

namespace quill::test {

// A server that answers each address from the answer whose key starts it.
class FakeInternet : public Internet {
public:
    struct Answer {
        std::string body;
        unsigned long openError = 0;  // the address cannot be opened
        unsigned long readError = 0;  // the read after the body fails instead of ending
    };
    std::map<std::string, Answer> answers;
    unsigned long sessionError = 0;
    std::vector<std::string> opened;  // addresses asked for
    std::string agent;
    unsigned timeoutMs = 0;
    std::uint32_t flags = 0;
    int handlesOpen = 0;

    Handle OpenSession(const std::string& a, unsigned timeout) override {
        if (sessionError) return Fail(sessionError);
        agent = a, timeoutMs = timeout;
        return Open({});
    }
    Handle OpenAddress(Handle, const std::string& address, std::uint32_t f) override {
        opened.push_back(address), flags = f;
        const Answer* answer = nullptr;
        for (auto& [key, a] : answers)
            if (address.rfind(key, 0) == 0) answer = &a;
        if (!answer) return Fail(12029);
        if (answer->openError) return Fail(answer->openError);
        return Open(*answer);
    }
    std::optional<std::string> ReadBlock(Handle h, std::size_t maxBytes) override {
        auto& t = transfers_.at(h);
        if (t.at >= t.answer.body.size() && t.answer.readError) {
            Fail(t.answer.readError);
            return std::nullopt;
        }
        std::string block = t.answer.body.substr(std::min(t.at, t.answer.body.size()), maxBytes);
        t.at += block.size();
        return block;
    }
    void Close(Handle h) override { handlesOpen -= static_cast<int>(transfers_.erase(h)); }
    unsigned long LastError() override { return lastError_; }

private:
    struct Transfer {
        Answer answer;
        std::size_t at = 0;
    };
    Handle Fail(unsigned long code) {
        lastError_ = code;
        return 0;
    }
    Handle Open(Answer a) {
        transfers_[++next_] = {std::move(a), 0};
        ++handlesOpen;
        return next_;
    }
    std::map<Handle, Transfer> transfers_;
    Handle next_ = 0;
    unsigned long lastError_ = 0;
};

}  // namespace quill::test
