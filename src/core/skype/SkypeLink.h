#pragma once
#include <cstdint>
#include <string>

#include "core/base/Shared.h"
#include "core/platform/SkypeWire.h"

namespace quill {

class LinkView;
class Log;
class WorkQueue;

// The link to Skype's Desktop API: discover, attach, commands out.
class SkypeLink {
public:
    // Waiting until Skype first names the signed-in user; Lost from a failed send until it does again.
    enum class State { Waiting, Linked, Lost };

    SkypeLink(SkypeWire& wire, Log& log, WorkQueue& queue, LinkView& view, const Shared& shared)
        : wire_(wire), log_(log), queue_(queue), view_(view), shared_(shared) {}

    void RegisterSkypeMessages();
    void DiscoverSkype();
    // Sends OutCommand.
    void SendSkypeCommand();
    void Send(const std::string& command) {
        OutCommand = command;
        SendSkypeCommand();
    }
    void OnAttachMessage(std::uintptr_t wParam, std::intptr_t lParam);

    State LinkState() const { return state_; }
    bool Linked() const { return state_ == State::Linked; }
    // The warning follows: shown unless linked.
    void SetState(State state);

    unsigned MsgDiscover = 0, MsgAttach = 0, MsgUnload = 0;
    WindowHandle SkypeWindow = 0;
    bool SkypeAttached = false;
    std::string OutCommand;

private:
    void DeliveryFailed();

    SkypeWire& wire_;
    Log& log_;
    WorkQueue& queue_;
    LinkView& view_;
    const Shared& shared_;
    State state_ = State::Waiting;
};

}  // namespace quill
