// The second stage of the dispatcher: which tone an event plays or stops.
#include <algorithm>

#include "core/base/Settings.h"
#include "core/base/Shared.h"
#include "core/base/Text.h"
#include "core/audio/TonePlayer.h"
#include "core/skype/Dispatcher.h"
#include "core/skype/LinkView.h"
#include "core/skype/SkypeNotice.h"
#include "core/tones/ContactTones.h"
#include "core/tones/EventTones.h"

namespace quill {

using event_tones::StoredTone;
using event_tones::SwitchedOn;

void Dispatcher::HandleSkypeEvent(const std::string& text) {
    if (StartsWith(text, "USERSTATUS"))
        OnUserStatus(text);
    else if (text == "RINGING")
        OnRinging();
    else if (text == "MESSAGE") {
        if (!SwitchedOn(p_.settings, "msg") || !p_.shared.SoundOn) return;
        Announce(StoredTone(p_.settings, "msg"));
    } else if (StartsWith(text, "CALL STATUS"))
        OnCallStatus(ValueAfter(text, "CALL STATUS"));
    else if (StartsWith(text, "CALL VIDEO_STATUS"))
        p_.player.StopTone();
}

void Dispatcher::OnUserStatus(const std::string& text) {
    auto space = text.find(' ');
    if (space == std::string::npos) return;
    std::string status = LowerAscii(Trim(text.substr(space + 1)));
    p_.shared.SoundOn = status != "dnd" && status != "offline";
    std::string file = Trim(StoredTone(p_.settings, status));
    if (file.empty() || !SwitchedOn(p_.settings, status)) return;
    Announce(file);
}

void Dispatcher::OnRinging() {
    if (!p_.shared.SoundOn) return;
    const auto& handles = p_.view.Handles();
    if (std::find(handles.begin(), handles.end(), CallerHandle) == handles.end()) CallerHandle = "unknown";
    p_.player.RingTone(contact_tones::ToneFileOf(p_.settings, p_.shared, CallerHandle));
}

void Dispatcher::OnCallStatus(const std::string& status) {
    if (status == "ROUTING" || status == "EARLYMEDIA") return;
    p_.player.StopTone();
    if (status != "FINISHED") return;
    if (!SwitchedOn(p_.settings, "finished") || !p_.shared.SoundOn) return;
    Announce(StoredTone(p_.settings, "finished"));
}

void Dispatcher::Announce(const std::string& file) {
    if (file.empty()) return;
    p_.player.Announce(ResolvePath(p_.shared.ProgramFolder, file));
}

}  // namespace quill
