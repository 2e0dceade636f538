#include "core/app/WindowProc.h"

#include "core/base/Log.h"
#include "core/app/Tray.h"
#include "core/skype/Dispatcher.h"
#include "core/skype/SkypeLink.h"
#include "core/skype/WorkQueue.h"

namespace quill {

std::optional<std::intptr_t> WindowProcedure::WindowProc(const WindowMessage& m) {
    // Registered ids are 0 until registration; message 0 is nobody's unload request.
    auto is = [&](unsigned id) { return id != 0 && m.message == id; };
    if (is(link_.MsgUnload)) {
        log_.WriteLog("Quillares: Unload command received");
        queue_.QueueItem(WorkItem::Kind::Unload);
        return 1;
    }
    if (m.message == kCopyData) {
        dispatcher_.ReceiveSkypeMessage(m.copyData);
        return 1;
    }
    if (is(link_.MsgDiscover)) return 1;  // our own broadcast
    if (is(link_.MsgAttach)) {
        link_.OnAttachMessage(m.wParam, m.lParam);
        return 1;
    }
    if (m.message == kPlaybackNotice) {
        if (onPlaybackNotice) onPlaybackNotice(m.wParam);
        return 0;
    }
    if (m.message == Tray::kCallbackMessage && tray_.OnTrayCallback(m.lParam)) return 1;
    if (is(tray_.MsgTaskbarCreated)) {
        tray_.OnTaskbarCreated();
        return 0;
    }
    return std::nullopt;
}

}  // namespace quill
