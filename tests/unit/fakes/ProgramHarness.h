#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/app/Quillares.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFiles.h"
#include "fakes/FakeInternet.h"
#include "fakes/FakeSkypeWire.h"
#include "fakes/FakeSystem.h"
#include "fakes/FakeUiHost.h"

namespace quill::test {

// The whole program over fakes, with the helpers a story needs.
struct ProgramHarness {
    static constexpr WindowHandle kMainWindow = 0x1234;
    static constexpr WindowHandle kSkypeWindow = 0x5678;
    const std::string folder = "C:\\Quillares\\";

    FakeFiles files;
    IniEditor ini{files};
    FakeClock clock;
    FakeSkypeWire wire;
    FakeMultimedia mci;
    FakeUiHost ui;
    FakeShell shell;
    FakeTextCodec codec;
    FakeProcess process;
    FakeFolderWatch folderWatch{files};
    FakeInternet net;
    FakeRegistry registry;
    FakeMp3Decoder mp3;
    std::unique_ptr<Quillares> app;

    ProgramHarness() {
        net.clock = &clock;
        files.files[folder + "Quillares.ini"] = "[window]\r\n";
        // The capture device writes where its save command says.
        mci.onSuccess = [this](const std::string& c) {
            if (c.rfind("save capture \"", 0) == 0) files.Write(c.substr(14, c.size() - 15), "RIFF recorded");
        };
        Make();
    }
    void Make() {
        app = std::make_unique<Quillares>(
            Ports{files, clock, wire, mci, ui, shell, codec, process, folderWatch, net, registry, mp3});
    }

    void Start() { app->Start(kMainWindow); }
    // Started, discovered and attached, with the commands so far forgotten.
    void Attached() {
        Start();
        Ticks(2);
        Attach(0);
        Drain();
        wire.sent.clear();
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) app->OnTimer1();
    }
    // Ticks until the queue is empty, at most n.
    void Drain(int n = 100) {
        for (int i = 0; i < n && !app->queue.Empty(); ++i) app->OnTimer1();
    }
    std::intptr_t Attach(std::intptr_t status, std::uintptr_t skypeWindow = kSkypeWindow) {
        return *app->WindowProc({app->link.MsgAttach, skypeWindow, status, {}});
    }
    void Notify(const std::string& text) {
        std::string bytes = text + std::string(1, '\0');
        app->WindowProc({74, kSkypeWindow, 0, bytes});
    }
    // The device's notice that the open file played to its end (1) or was cut off (4).
    void EndNotice(std::uintptr_t code = 1) { app->WindowProc({0x3B9, code, 0, {}}); }
    static std::string Open(const std::string& path) { return "open \"" + path + "\" alias file"; }
    // The texts that start with prefix, in order.
    static std::vector<std::string> Starting(const std::vector<std::string>& texts, const std::string& prefix) {
        std::vector<std::string> r;
        for (auto& t : texts)
            if (t.rfind(prefix, 0) == 0) r.push_back(t);
        return r;
    }
    // The files the device was asked to open, in order.
    std::vector<std::string> Opened() const { return Starting(mci.Texts(), "open "); }
    std::string LogText() const {
        auto it = files.files.find(folder + "Quillares.log");
        return it == files.files.end() ? std::string() : it->second;
    }
    std::vector<std::string> LogLines() const { return LogTexts(LogText()); }
    bool Logged(const std::string& line) const {
        for (auto& l : LogLines())
            if (l == line) return true;
        return false;
    }
};

}  // namespace quill::test
