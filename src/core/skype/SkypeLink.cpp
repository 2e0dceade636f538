#include "core/skype/SkypeLink.h"

#include <exception>

#include "core/base/Log.h"
#include "core/base/Text.h"
#include "core/skype/WireText.h"
#include "core/skype/WorkQueue.h"
#include "core/ui/OptionsWindow.h"

namespace quill {

namespace {
constexpr std::intptr_t kAttachSuccess = 0, kAttachPending = 1, kAttachRefused = 2, kAttachNotAvailable = 3;
}

void SkypeLink::RegisterSkypeMessages() {
    MsgDiscover = wire_.RegisterMessage("SkypeControlAPIDiscover");
    MsgAttach = wire_.RegisterMessage("SkypeControlAPIAttach");
    MsgUnload = wire_.RegisterMessage("QuillaresUnload");
}

void SkypeLink::DiscoverSkype() {
    SkypeWindow = 0;
    if (!wire_.Broadcast(MsgDiscover, shared_.MainWindowHandle, 0))
        log_.WriteLog("Quillares ERROR: can't send broadcast message");
}

void SkypeLink::SendSkypeCommand() {
    try {
        OutCommand = Trim(OutCommand);
        if (OutCommand.empty()) {
            log_.WriteLog("Quillares: nothing to send");
            return;
        }
        std::string command = OutCommand;
        // Skype may answer from inside this call; the answer only queues work.
        if (wire_.SendCopyData(SkypeWindow, shared_.MainWindowHandle, EncodeCommand(command)) != 0) {
            if (!StartsWith(command, "PING")) log_.WriteLog("Skype received: " + command);
            return;
        }
        DeliveryFailed();
    } catch (const std::exception&) {
        log_.WriteLog("Quillares: ERROR sending message");
    }
}

void SkypeLink::DeliveryFailed() {
    log_.WriteLog("Skype: ERROR sending message, try re-connecting");
    window_.warningPanel.Move(120, 0);
    window_.warningPanel.SetVisible(true);
    SkypeWindow = 0;
    SkypeAttached = false;
    queue_.QueueItem(WorkItem::Kind::Module1);
}

void SkypeLink::OnAttachMessage(std::uintptr_t wParam, std::intptr_t lParam) {
    switch (lParam) {
        case kAttachSuccess:
            log_.WriteLog("Skype: successfully attached");
            if (wParam != 0) SkypeWindow = wParam;
            SkypeAttached = true;
            queue_.QueueItem(WorkItem::Command("GET CURRENTUSERHANDLE"));
            break;
        case kAttachPending:
            log_.WriteLog("Skype: pending authorization");
            break;
        case kAttachRefused:
            log_.WriteLog("Skype: attach refused");
            SkypeAttached = false;
            break;
        case kAttachNotAvailable:
            log_.WriteLog("Skype: not available");
            SkypeAttached = false;
            break;
        default:
            break;  // e.g. Skype's "API available" notice
    }
}

}  // namespace quill
