#pragma once
#include <cstdint>
#include <string>

#include "core/base/Shared.h"
#include "core/platform/SkypeWire.h"

namespace quill {

class Log;
class WorkQueue;
namespace ui {
struct OptionsWindow;
}

// The link to Skype's Desktop API: discover, attach, commands out.
class SkypeLink {
public:
    SkypeLink(SkypeWire& wire, Log& log, WorkQueue& queue, ui::OptionsWindow& window, const Shared& shared)
        : wire_(wire), log_(log), queue_(queue), window_(window), shared_(shared) {}

    void RegisterSkypeMessages();
    void DiscoverSkype();
    // Sends OutCommand.
    void SendSkypeCommand();
    void Send(const std::string& command) {
        OutCommand = command;
        SendSkypeCommand();
    }
    void OnAttachMessage(std::uintptr_t wParam, std::intptr_t lParam);

    unsigned MsgDiscover = 0, MsgAttach = 0, MsgUnload = 0;
    WindowHandle SkypeWindow = 0;
    bool SkypeAttached = false;
    std::string OutCommand;

private:
    void DeliveryFailed();

    SkypeWire& wire_;
    Log& log_;
    WorkQueue& queue_;
    ui::OptionsWindow& window_;
    const Shared& shared_;
};

}  // namespace quill
