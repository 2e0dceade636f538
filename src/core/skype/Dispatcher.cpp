#include "core/skype/Dispatcher.h"

#include <exception>
#include <optional>

#include "core/base/Log.h"
#include "core/base/ProgramControl.h"
#include "core/base/Settings.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"
#include "core/base/UserSettings.h"
#include "core/placeholders/NotYetBuilt.h"
#include "core/skype/SkypeLink.h"
#include "core/skype/WireText.h"
#include "core/skype/WorkQueue.h"
#include "core/ui/OptionsWindow.h"

namespace quill {

namespace {

// "CALL 1234 STATUS RINGING": the id between the first two spaces, and the text without it.
struct WithoutId {
    std::string id;
    std::string text;
};

std::optional<WithoutId> StripId(const std::string& text) {
    auto first = text.find(' ');
    if (first == std::string::npos) return std::nullopt;
    auto second = text.find(' ', first + 1);
    // Without a second space, or with nothing after it, the notification says nothing.
    if (second == std::string::npos || Trim(text.substr(second + 1)).empty()) return std::nullopt;
    return WithoutId{text.substr(first + 1, second - first - 1), text.substr(0, first + 1) + text.substr(second + 1)};
}

// The word that names a chat message: MESSAGE, or CHATMESSAGE in the newer protocol.
bool IsMessageWord(const std::string& text) {
    auto first = text.find(' ');
    return first != std::string::npos && EndsWith(std::string_view(text).substr(0, first), "MESSAGE");
}

}  // namespace

void Dispatcher::ReceiveSkypeMessage(std::string_view bytes) {
    if (bytes.size() > kMaxNotificationBytes) bytes = bytes.substr(0, kMaxNotificationBytes);
    std::string text = DecodeNotification(bytes, p_.codec);
    if (text != "PONG") p_.log.WriteLog("Skype: " + text);
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
    p_.queue.QueueItem("<" + text);
    return true;
}

bool Dispatcher::OnCall(const std::string& notification) {
    auto parts = StripId(notification);
    if (!parts) return false;
    const std::string& text = parts->text;
    const std::string& id = parts->id;
    if (EndsWith(text, "RINGING")) {
        CallId = id;
        p_.queue.QueueItem(">GET CALL " + id + " TYPE");
    } else if (Contains(text, "OUTGOING_")) {
        CallId = id;  // outgoing calls get no tone
    } else if (Contains(text, "INCOMING_")) {
        CallId = id;
        p_.queue.QueueItem(">GET CALL " + id + " PARTNER_HANDLE");
    } else if (auto p = text.find("PARTNER_HANDLE"); p != std::string::npos) {
        std::string caller = p + 15 <= text.size() ? Trim(text.substr(p + 15)) : std::string();
        if (caller.empty()) return false;
        CallId = id;
        CallerHandle = caller;
        p_.queue.QueueItem("<RINGING");
        p_.log.WriteLog("Quillares: Call from " + CallerHandle);
    } else {
        CallId = id;
        p_.queue.QueueItem("<" + text);
    }
    return true;
}

bool Dispatcher::OnMessage(const std::string& notification) {
    auto parts = StripId(notification);
    if (!parts) return false;
    MessageId = parts->id;
    const std::string& text = parts->text;
    if (EndsWith(text, "RECEIVED"))
        p_.queue.QueueItem(">GET MESSAGE " + MessageId + " PARTNER_HANDLE");
    else if (Contains(text, "PARTNER_HANDLE"))
        p_.queue.QueueItem("<MESSAGE");
    else
        p_.queue.QueueItem("<" + text);
    return true;
}

bool Dispatcher::OnCurrentUser(const std::string& text) {
    auto space = text.find(' ');
    if (space == std::string::npos || Trim(text.substr(space + 1)).empty()) return false;
    // Blanks would name another settings file than the one start-up opens for the same user.
    p_.shared.UserId = Trim(text.substr(space + 1));
    p_.log.WriteLog("user=" + p_.shared.UserId);
    OpenUserSettings(p_.shared, p_.files, placeholders::CountToneCatalogue);
    p_.settings.WriteIni("window", "id", p_.shared.UserId);
    p_.window.Frame1.SetVisible(false);
    if (placeholders::ReadServerDB())
        p_.program.CloseOptionsWindow();
    else
        p_.queue.QueueItem(">SEARCH FRIENDS");
    return true;
}

void Dispatcher::OnUsers(const std::string& text) {
    auto& handles = p_.window.List3;
    handles.Clear();
    std::size_t pos = text.find(' ') + 1;
    while (pos <= text.size()) {
        auto end = text.find(' ', pos);
        if (end == std::string::npos) end = text.size();
        std::string handle;
        for (char c : std::string_view(text).substr(pos, end - pos))
            if (c != ',') handle += c;
        // "USERS " with no contacts, or a doubled space, names nobody.
        if (!handle.empty()) handles.AddItem(handle);
        pos = end + 1;
    }
    if (handles.ListCount() > 0) handles.SetListIndex(0);
    p_.window.List1.Clear();
    p_.queue.QueueItem("List1");
}

void Dispatcher::OnUser(const std::string& text) {
    auto q = text.find("FULLNAME");
    if (q == std::string::npos) return;
    auto& names = p_.window.List1;
    auto& handles = p_.window.List3;
    // Names are asked for in list order, but an empty work item can ask for the same name
    // twice; an answer for any other handle than the one awaited would shift every later name.
    std::string handle = text.substr(5, q > 5 ? q - 6 : 0);
    if (names.ListCount() >= handles.ListCount() || handle != handles.Item(names.ListCount())) return;
    std::string name = q + 9 <= text.size() ? Trim(text.substr(q + 9)) : std::string();
    if (name.empty()) name = handles.Item(names.ListCount());
    names.AddItem(name);
    p_.queue.QueueItem("List1");
}

void Dispatcher::NextDisplayName() {
    auto& names = p_.window.List1;
    auto& handles = p_.window.List3;
    if (names.ListCount() < handles.ListCount())
        p_.link.Send("GET USER " + handles.Item(names.ListCount()) + " FULLNAME");
    if (names.ListCount() > 0) names.SetListIndex(0);
}

}  // namespace quill
