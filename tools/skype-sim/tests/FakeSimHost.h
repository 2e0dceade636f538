#pragma once
#include <functional>
#include <string>
#include <vector>

#include "simcore/SimHost.h"

namespace skypesim::test {

// Records what the simulator asked of the OS; time moves only when a test moves it.
class FakeSimHost : public SimHost {
public:
    struct Sent {
        std::string what;  // "attach", "text", "broadcast-attach", "broadcast-unload"
        Window to = 0;
        Window api = 0;
        std::int64_t status = 0;
        std::string text;
    };

    std::uint64_t now = 1000;
    std::vector<std::string> log;  // "DIR text"
    std::vector<Sent> sent;
    std::vector<Window> created;
    std::vector<Window> destroyed;
    int quitCode = -1;
    SendResult nextResult{SendStatus::Answered, 1};
    std::uint64_t sendTakesMs = 0;
    // Runs inside SendText, as a client answering synchronously would.
    std::function<void(const std::string& text)> onText;

    std::uint64_t NowMs() override { return now; }
    void Log(LogKind kind, std::string_view text) override {
        log.push_back(std::string(LogKindName(kind)) + " " + std::string(text));
    }
    Window CreateApiWindow() override {
        created.push_back(0x100 + created.size());
        return created.back();
    }
    void DestroyApiWindow(Window window) override { destroyed.push_back(window); }
    SendResult SendAttach(Window to, Window api, std::int64_t status) override {
        return Record({"attach", to, api, status, {}});
    }
    SendResult SendText(Window to, Window api, std::string_view text) override {
        const SendResult result = Record({"text", to, api, 0, std::string(text)});
        if (onText) onText(std::string(text));
        return result;
    }
    SendResult BroadcastAttach(Window api, std::int64_t status) override {
        return Record({"broadcast-attach", 0, api, status, {}});
    }
    SendResult BroadcastUnload() override { return Record({"broadcast-unload", 0, 0, 0, {}}); }
    void Quit(int exitCode) override { quitCode = exitCode; }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Sent& s : sent)
            if (s.what == "text") texts.push_back(s.text);
        return texts;
    }
    bool Logged(const std::string& line) const {
        for (const std::string& l : log)
            if (l == line) return true;
        return false;
    }

private:
    SendResult Record(Sent s) {
        sent.push_back(std::move(s));
        now += sendTakesMs;
        return nextResult;
    }
};

}  // namespace skypesim::test
