#pragma once
#include <string>
#include <string_view>

namespace quill {

class Settings;

// An event's tone in section wav: "user_" + event holds the tone file, that + "_play" the
// switch. The events are Skype's words: own statuses in lower case, "msg", "finished".
namespace event_tones {

std::string ToneKey(std::string_view event);
std::string SwitchKey(std::string_view event);
// "1", "y" or "yes", blanks and letter case aside. The dialog shows a box checked and the
// event sounds by this one reading, so the two never disagree.
bool IsOn(std::string_view value);
bool SwitchedOn(Settings& settings, std::string_view event);
// The tone key as it stands.
std::string StoredTone(Settings& settings, std::string_view event);

}  // namespace event_tones
}  // namespace quill
