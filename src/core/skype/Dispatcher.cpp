#include "core/skype/Dispatcher.h"

#include "core/app/Log.h"
#include "core/skype/WireText.h"
#include "core/skype/WorkQueue.h"

namespace quill {

void Dispatcher::ReceiveSkypeMessage(std::string_view bytes) {
    if (bytes.size() > kMaxNotificationBytes) bytes = bytes.substr(0, kMaxNotificationBytes);
    std::string text = DecodeNotification(bytes, codec_);
    if (text != "PONG") log_.WriteLog("Skype: " + text);
    Classify(text);
}

void Dispatcher::Classify(const std::string& text) {
    // The meaning of each notification comes with the event tones; until then every text
    // waits in the queue as an event.
    queue_.QueueItem("<" + text);
}

void Dispatcher::HandleSkypeEvent(const std::string&) {}

}  // namespace quill
