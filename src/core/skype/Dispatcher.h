#pragma once
#include <string>
#include <string_view>

#include "core/skype/ContactNames.h"

namespace quill {

class Files;
class LinkView;
class Log;
class ProgramControl;
class Settings;
class SkypeLink;
class TextCodec;
class TonePlayer;
class WorkQueue;
struct Shared;

// Gives Skype's notifications their meaning: first in the window procedure (record, ask,
// queue), then from the main loop one event at a time.
class Dispatcher {
public:
    // Longer notifications are cut: no peer's text may grow the program without bound.
    static constexpr std::size_t kMaxNotificationBytes = 1024 * 1024;

    // What the dispatcher reads, writes and drives.
    struct Services {
        Log& log;
        WorkQueue& queue;
        TextCodec& codec;
        SkypeLink& link;
        LinkView& view;
        Settings& settings;
        Shared& shared;
        Files& files;
        TonePlayer& player;
        ProgramControl& program;
    };
    explicit Dispatcher(Services services) : p_(services), names_(p_.link, p_.view, p_.log) {}

    // The bytes of a WM_COPYDATA from Skype.
    void ReceiveSkypeMessage(std::string_view bytes);
    // A "<" item of the work queue.
    void HandleSkypeEvent(const std::string& text);
    // A "List1" item: ask for more display names.
    void NextDisplayName() { names_.AskMore(); }
    // Every tick of the main loop, so the names keep coming without an item each.
    void NamesTick() { names_.Tick(); }

    std::string CallerHandle;

private:
    // false: the text cannot be taken apart.
    bool Classify(const std::string& text);
    bool OnCall(const std::string& text);
    bool OnMessage(const std::string& text);
    bool OnCurrentUser(const std::string& text);
    void OnUsers(const std::string& text);
    void OnUser(const std::string& text);

    void OnUserStatus(const std::string& text);
    void OnRinging();
    void OnCallStatus(const std::string& status);
    // An announcement: once, after a status or message, never looped.
    void Announce(const std::string& file);

    Services p_;
    ContactNames names_;
};

}  // namespace quill
