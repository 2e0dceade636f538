#include "core/tones/EventTones.h"

#include "core/base/Settings.h"
#include "core/base/Text.h"

namespace quill::event_tones {

std::string ToneKey(std::string_view event) { return "user_" + std::string(event); }

std::string SwitchKey(std::string_view event) { return ToneKey(event) + "_play"; }

bool IsOn(std::string_view value) {
    const std::string v = LowerAscii(Trim(value));
    return v == "1" || v == "y" || v == "yes";
}

bool SwitchedOn(Settings& settings, std::string_view event) {
    return IsOn(settings.ReadIni("wav", SwitchKey(event)));
}

std::string StoredTone(Settings& settings, std::string_view event) {
    return settings.ReadIni("wav", ToneKey(event));
}

}  // namespace quill::event_tones
