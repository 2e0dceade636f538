#include "core/skype/Dispatcher.h"

#include <exception>
#include <optional>
#include <vector>

#include "core/base/Log.h"
#include "core/base/ProgramControl.h"
#include "core/base/Settings.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"
#include "core/base/UserSettings.h"
#include "core/skype/SkypeLink.h"
#include "core/skype/SkypeNotice.h"
#include "core/skype/WireText.h"
#include "core/skype/WorkQueue.h"

namespace quill {

namespace {

// The word that names a chat message: MESSAGE, or CHATMESSAGE in the newer protocol.
bool IsMessageWord(const std::string& text) {
    auto first = text.find(' ');
    return first != std::string::npos && EndsWith(std::string_view(text).substr(0, first), "MESSAGE");
}

}  // namespace

void Dispatcher::ReceiveSkypeMessage(std::string_view bytes) {
    if (bytes.size() > kMaxNotificationBytes) bytes = bytes.substr(0, kMaxNotificationBytes);
    std::string text = DecodeNotification(bytes, p_.codec);
    if (text != "PONG") p_.log.WriteLogData("Skype: ", text);
    bool understood = false;
    try {
        understood = Classify(text);
    } catch (const std::exception&) {
    }
    if (!understood) p_.log.WriteLog("Quillares: ERROR processing Skype message");
}

bool Dispatcher::Classify(const std::string& text) {
    if (StartsWith(text, "CALL ")) return OnCall(text);
    if (IsMessageWord(text)) return OnMessage(text);
    if (StartsWith(text, "CURRENTUSERHANDLE")) return OnCurrentUser(text);
    if (StartsWith(text, "USERS ")) {
        OnUsers(text);
        return true;
    }
    if (StartsWith(text, "USER ")) {
        OnUser(text);
        return true;
    }
    if (Trim(text) == "CALL" || Trim(text) == "USER") return false;
    p_.queue.QueueItem(WorkItem::Notification(text));
    return true;
}

bool Dispatcher::OnCall(const std::string& text) {
    auto notice = ReadNotice(text);
    if (!notice) return false;
    const std::string call = notice->WithoutId();
    const std::string& id = notice->id;
    // Each rule looks at the whole text, not at the property alone, as the peers expect.
    if (EndsWith(call, "RINGING")) {
        p_.queue.QueueItem(WorkItem::Command("GET CALL " + id + " TYPE"));
    } else if (Contains(call, "OUTGOING_")) {
        // outgoing calls get no tone
    } else if (Contains(call, "INCOMING_")) {
        p_.queue.QueueItem(WorkItem::Command("GET CALL " + id + " PARTNER_HANDLE"));
    } else if (Contains(call, "PARTNER_HANDLE")) {
        std::string caller = Trim(ValueAfter(call, "PARTNER_HANDLE"));
        if (caller.empty()) return false;
        CallerHandle = caller;
        p_.queue.QueueItem(WorkItem::Notification("RINGING"));
        p_.log.WriteLog("Quillares: Call from " + CallerHandle);
    } else {
        p_.queue.QueueItem(WorkItem::Notification(call));
    }
    return true;
}

bool Dispatcher::OnMessage(const std::string& text) {
    auto notice = ReadNotice(text);
    if (!notice) return false;
    const std::string message = notice->WithoutId();
    if (EndsWith(message, "RECEIVED"))
        p_.queue.QueueItem(WorkItem::Command("GET MESSAGE " + notice->id + " PARTNER_HANDLE"));
    else if (Contains(message, "PARTNER_HANDLE"))
        p_.queue.QueueItem(WorkItem::Notification("MESSAGE"));
    else
        p_.queue.QueueItem(WorkItem::Notification(message));
    return true;
}

bool Dispatcher::OnCurrentUser(const std::string& text) {
    auto space = text.find(' ');
    if (space == std::string::npos || Trim(text.substr(space + 1)).empty()) return false;
    // Blanks would name another settings file than the one start-up opens for the same user.
    p_.shared.UserId = Trim(text.substr(space + 1));
    p_.log.WriteLog("user=" + p_.shared.UserId);
    OpenUserSettings(p_.shared, p_.files, p_.log, [this] { p_.program.CountToneCatalogue(); });
    p_.settings.WriteIni("window", "id", p_.shared.UserId);
    // Start-up reads the handle from the main file; only then does the next run open the user's
    // own file early enough for its window position, language and default tone.
    p_.settings.WriteIniFile(kMainSettingsFile, "window", "id", p_.shared.UserId);
    p_.link.SetState(SkypeLink::State::Linked);
    // The check may wait for the server and raise message boxes: never inside Skype's message.
    // One waiting check serves any number of reports.
    if (!p_.queue.Holds(WorkItem::Kind::ServerCheck)) p_.queue.QueueItem(WorkItem::Kind::ServerCheck);
    return true;
}

void Dispatcher::OnUsers(const std::string& text) {
    std::vector<std::string> handles;
    std::size_t pos = text.find(' ') + 1;
    while (pos <= text.size()) {
        auto end = text.find(' ', pos);
        if (end == std::string::npos) end = text.size();
        std::string handle;
        for (char c : std::string_view(text).substr(pos, end - pos))
            if (c != ',') handle += c;
        // "USERS " with no contacts, or a doubled space, names nobody.
        if (!handle.empty()) handles.push_back(std::move(handle));
        pos = end + 1;
    }
    names_.SetHandles(std::move(handles));
    p_.queue.QueueItem(WorkItem::Kind::List1);
}

void Dispatcher::OnUser(const std::string& text) {
    auto notice = ReadNotice(text);
    if (!notice || !StartsWith(notice->rest, "FULLNAME")) return;
    names_.Named(notice->id, Trim(ValueAfter(notice->rest, "FULLNAME")));
}

}  // namespace quill
