#include "simcore/SkypeState.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "simcore/Text.h"

namespace skypesim {
namespace {

constexpr unsigned kHighestProtocol = 8;

struct ObjectKind {
    std::string_view name;
    bool numericId;
    const char* invalidId;
    const char* unknownId;
    const char* invalidProperty;
};

// Codes follow the numbering of Skype's own error replies.
constexpr ObjectKind kObjectKinds[] = {
    {"USER", false, "ERROR 8 Invalid user handle", "ERROR 9 Unknown user", "ERROR 10 Invalid PROP"},
    {"CALL", true, "ERROR 11 Invalid call id", "ERROR 12 Unknown call", "ERROR 13 Invalid PROP"},
    {"MESSAGE", true, "ERROR 14 Invalid message id", "ERROR 15 Unknown message", "ERROR 16 Invalid PROP"},
    {"CHATMESSAGE", true, "ERROR 14 Invalid message id", "ERROR 15 Unknown message", "ERROR 16 Invalid PROP"},
};
constexpr std::string_view kTopLevelProperties[] = {"CURRENTUSERHANDLE", "USERSTATUS", "CONNSTATUS"};

const ObjectKind* FindKind(std::string_view upperName) {
    for (const ObjectKind& kind : kObjectKinds)
        if (kind.name == upperName) return &kind;
    return nullptr;
}

bool IsTopLevel(std::string_view upperName) {
    return std::find(std::begin(kTopLevelProperties), std::end(kTopLevelProperties), upperName) !=
           std::end(kTopLevelProperties);
}

// "CALL 007" and "CALL 7" are one call; user handles stay as written.
std::optional<std::string> ObjectKey(const ObjectKind& kind, std::string_view id) {
    if (!kind.numericId) return std::string(kind.name) + " " + std::string(id);
    const auto number = ParseDecimal(id, UINT64_MAX);
    if (!number) return std::nullopt;
    return std::string(kind.name) + " " + std::to_string(*number);
}

}  // namespace

std::string_view CommandBody(std::string_view command) {
    if (command.empty() || command.front() != '#') return command;
    std::string_view rest = command;
    TakeWord(rest);
    return rest;
}

SkypeState::SkypeState(const Scenario& scenario) : me_(scenario.me) {
    Set("", "CURRENTUSERHANDLE", me_);
    Set("", "USERSTATUS", "ONLINE");
    Set("", "CONNSTATUS", "ONLINE");
    Set("USER " + me_, "FULLNAME", "");
    for (const Contact& contact : scenario.contacts) {
        friends_.push_back(contact.handle);
        Set("USER " + contact.handle, "FULLNAME", contact.fullName);
    }
    for (const CallRecord& call : scenario.calls) {
        Set("CALL " + std::to_string(call.id), "TYPE", call.type);
        Set("CALL " + std::to_string(call.id), "PARTNER_HANDLE", call.partner);
    }
    for (const MessageRecord& message : scenario.messages)
        Set("MESSAGE " + std::to_string(message.id), "PARTNER_HANDLE", message.partner);
    for (const MessageRecord& message : scenario.chatMessages)
        Set("CHATMESSAGE " + std::to_string(message.id), "FROM_HANDLE", message.partner);
}

void SkypeState::Set(const std::string& object, const std::string& property, std::string value) {
    const auto found = objects_.find(object);
    if (found != objects_.end()) {
        const auto existing = found->second.find(property);
        if (existing != found->second.end()) {
            existing->second = std::move(value);
            return;
        }
    }
    if (propertyCount_ >= kMaxProperties) return;
    objects_[object][property] = std::move(value);
    ++propertyCount_;
}

void SkypeState::Observe(std::string_view notification) {
    std::string_view rest = CommandBody(notification);
    const std::string first = ToUpperAscii(TakeWord(rest));
    if (IsTopLevel(first)) {
        Set("", first, std::string(rest));
        return;
    }
    const ObjectKind* kind = FindKind(first);
    if (kind == nullptr) return;
    const std::string_view id = TakeWord(rest);
    const std::string property = ToUpperAscii(TakeWord(rest));
    const auto key = ObjectKey(*kind, id);
    if (key && !property.empty()) Set(*key, property, std::string(rest));
}

std::string SkypeState::Reply(std::string_view command) const {
    const std::string_view body = CommandBody(command);
    const std::string answer = Answer(body);
    if (body.size() == command.size()) return answer;
    std::string_view tagged = command;
    return std::string(TakeWord(tagged)) + " " + answer;
}

std::string SkypeState::Answer(std::string_view command) const {
    const auto words = SplitWords(command);
    if (words.empty()) return "ERROR 2 Unknown command";
    const std::string verb = ToUpperAscii(words[0]);
    if (verb == "PING" && words.size() == 1) return "PONG";
    if (verb == "GET") return AnswerGet(words);
    if (verb == "SEARCH") {
        if (words.size() != 2 || !EqualsNoCaseAscii(words[1], "FRIENDS")) return "ERROR 3 SEARCH: unknown WHAT";
        std::string users = "USERS ";
        for (std::size_t i = 0; i < friends_.size(); ++i) users += (i == 0 ? "" : ", ") + friends_[i];
        return users;
    }
    if (verb == "PROTOCOL") {
        const auto version = words.size() == 2 ? ParseDecimal(words[1], UINT32_MAX) : std::nullopt;
        if (!version) return "ERROR 1 General syntax error";
        return "PROTOCOL " + std::to_string(std::min<std::uint64_t>(*version, kHighestProtocol));
    }
    return "ERROR 2 Unknown command";
}

std::string SkypeState::AnswerGet(const std::vector<std::string_view>& words) const {
    if (words.size() < 2) return "ERROR 7 GET: invalid WHAT";
    const std::string what = ToUpperAscii(words[1]);
    if (IsTopLevel(what) && words.size() == 2) return what + " " + objects_.at("").at(what);
    const ObjectKind* kind = FindKind(what);
    if (kind == nullptr) return "ERROR 7 GET: invalid WHAT";
    if (words.size() < 3) return kind->invalidId;
    if (words.size() != 4) return kind->invalidProperty;
    const auto key = ObjectKey(*kind, words[2]);
    if (!key) return kind->invalidId;
    const auto object = objects_.find(*key);
    if (object == objects_.end()) return kind->unknownId;
    const std::string property = ToUpperAscii(words[3]);
    const auto value = object->second.find(property);
    if (value == object->second.end()) return kind->invalidProperty;
    // The key holds the canonical id ("CALL 7"), so the reply names the object as Skype would.
    return *key + " " + property + " " + value->second;
}

}  // namespace skypesim
