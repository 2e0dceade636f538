#pragma once
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "core/platform/SkypeWire.h"

namespace quill::test {

class FakeSkypeWire : public SkypeWire {
public:
    struct Sent {
        WindowHandle to, from;
        std::string bytes;
    };
    std::map<std::string, unsigned> registered;
    std::vector<std::uintptr_t> broadcasts;  // wParam of each discover
    std::vector<Sent> sent;
    std::deque<std::intptr_t> nextResults;  // scripted results; then 1 for any window but 0

    unsigned RegisterMessage(const std::string& name) override {
        auto it = registered.find(name);
        if (it != registered.end()) return it->second;
        unsigned id = 0xC100 + static_cast<unsigned>(registered.size());
        registered[name] = id;
        return id;
    }
    bool Broadcast(unsigned, std::uintptr_t wParam, std::intptr_t) override {
        broadcasts.push_back(wParam);
        return true;
    }
    std::intptr_t SendCopyData(WindowHandle to, WindowHandle from, std::string_view bytes) override {
        sent.push_back({to, from, std::string(bytes)});
        if (!nextResults.empty()) {
            auto r = nextResults.front();
            nextResults.pop_front();
            return r;
        }
        return to == 0 ? 0 : 1;
    }
    // The texts sent, without their terminating zero.
    std::vector<std::string> Commands() const {
        std::vector<std::string> r;
        for (auto& s : sent) r.push_back(s.bytes.substr(0, s.bytes.size() - 1));
        return r;
    }
};

}  // namespace quill::test
