#pragma once
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "simcore/SimHost.h"

namespace skypesim::test {

// Records what the simulator asked of the OS; time moves only when a test moves it.
class FakeSimHost : public SimHost {
public:
    struct Sent {
        std::string what;  // "attach", "text", "broadcast-attach", "broadcast-unload"
        std::int64_t status = 0;
        std::string text;
    };

    std::uint64_t now = 1000;
    std::vector<std::string> log;  // "DIR text"
    std::vector<Sent> sent;
    int quitCode = -1;

    std::uint64_t NowMs() override { return now; }
    void Log(LogKind kind, std::string_view text) override {
        log.push_back(std::string(LogKindName(kind)) + " " + std::string(text));
    }
    Window CreateApiWindow() override { return 0x100; }
    void DestroyApiWindow(Window) override {}
    SendResult SendAttach(Window, Window, std::int64_t status) override { return Record({"attach", status, {}}); }
    SendResult SendText(Window, Window, std::string_view text) override {
        return Record({"text", 0, std::string(text)});
    }
    SendResult BroadcastAttach(Window, std::int64_t status) override {
        return Record({"broadcast-attach", status, {}});
    }
    SendResult BroadcastUnload() override { return Record({"broadcast-unload", 0, {}}); }
    void Quit(int exitCode) override { quitCode = exitCode; }
    std::set<std::string, std::less<>> files;
    bool FileExists(std::string_view path) override { return files.count(path) > 0; }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Sent& s : sent)
            if (s.what == "text") texts.push_back(s.text);
        return texts;
    }
    bool Logged(const std::string& line) const { return std::find(log.begin(), log.end(), line) != log.end(); }

private:
    SendResult Record(Sent s) {
        sent.push_back(std::move(s));
        return {SendStatus::Answered, 1};
    }
};

}  // namespace skypesim::test
