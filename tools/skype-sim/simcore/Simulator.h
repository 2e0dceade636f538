#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "simcore/AttachPlan.h"
#include "simcore/ExpectTracker.h"
#include "simcore/Scenario.h"
#include "simcore/SimHost.h"
#include "simcore/SkypeState.h"

namespace skypesim {

// Skype's side of the link, driven by the window procedure's events and by Run().
// Events only record and queue; every send happens in Run(), never inside the event.
class Simulator {
public:
    static constexpr std::size_t kMaxCommandBytes = 64 * 1024;
    static constexpr std::size_t kMaxQueued = 10000;
    static constexpr std::uint64_t kSlowClientMs = 1000;
    static constexpr std::int64_t kApiAvailableStatus = 0x8001;
    static constexpr std::uint64_t kFilePollMs = 200;

    Simulator(const Scenario& scenario, SimHost& host);

    // Creates the API window; false when that failed.
    bool Start();

    void OnDiscover(Window client);
    // WM_COPYDATA as received (cbData bytes); returns what the window procedure returns.
    std::intptr_t OnCopyData(Window from, std::uint64_t dwData, std::string_view bytes);
    void OnCloseRequest();

    // Sends what is queued and runs steps as far as they go; returns when to run again, if ever.
    std::optional<std::uint64_t> Run();

    bool Exited() const { return exited_; }
    Window ApiWindow() const { return api_; }

private:
    struct Outgoing {
        bool isAttach = false;
        Window to = 0;
        std::int64_t status = 0;
        std::string text;
    };

    void QueueAttach(Window to, AttachAnswer answer);
    void QueueText(Window to, std::string text);
    void Flush();
    void Deliver(const Outgoing& item);
    std::optional<std::uint64_t> Perform(const Step& step, std::uint64_t now);
    void Note(const std::string& text) { host_.Log(LogKind::Note, text); }
    void Quit();

    const Scenario scenario_;
    SimHost& host_;
    SkypeState state_;
    AttachPlan attachPlan_;
    ExpectTracker expected_;
    std::deque<Outgoing> outbox_;
    bool holdingNames_ = false;
    std::deque<Outgoing> heldNames_;
    Window api_ = 0;
    Window client_ = 0;
    std::uint64_t refuseRemaining_ = 0;
    std::uint64_t discoversSeen_ = 0;
    std::uint64_t discoversAtStepStart_ = 0;
    std::size_t nextStep_ = 0;
    bool stepStarted_ = false;
    std::uint64_t stepStartMs_ = 0;
    bool running_ = false;
    bool exited_ = false;
    bool warnedDroppedCommands_ = false;
    bool notedDone_ = false;
    std::optional<std::uint64_t> wakeAt_;
};

}  // namespace skypesim
