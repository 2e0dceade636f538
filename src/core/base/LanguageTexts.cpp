#include "core/base/LanguageTexts.h"

namespace quill {

bool LanguageTexts::Take(std::string_view key, const std::string& value) {
    static constexpr struct {
        std::string_view key;
        std::string LanguageTexts::*text;
    } kTexts[] = {
        {"caption", &LanguageTexts::caption},
        {"notext", &LanguageTexts::notext},
        {"searching", &LanguageTexts::searching},
        {"recorded", &LanguageTexts::recorded},
        {"downloading", &LanguageTexts::downloading},
        {"applying", &LanguageTexts::applying},
        {"dowloaded", &LanguageTexts::dowloaded},
        {"updaterequired", &LanguageTexts::updaterequired},
        {"updaterecommended", &LanguageTexts::updaterecommended},
        {"noserverconnection", &LanguageTexts::noserverconnection},
        {"ok", &LanguageTexts::ok},
        {"cancel", &LanguageTexts::cancel},
        {"soundfiles", &LanguageTexts::soundfiles},
        {"badsound", &LanguageTexts::badsound},
        {"notcopied", &LanguageTexts::notcopied},
    };
    for (const auto& t : kTexts) {
        if (t.key != key) continue;
        this->*t.text = value;
        return true;
    }
    return false;
}

}  // namespace quill
