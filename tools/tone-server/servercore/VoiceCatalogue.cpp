#include "servercore/VoiceCatalogue.h"

namespace quill::toneserver {
namespace {

struct Offer {
    const char* engineName;
    const char* displayName;
};

constexpr Offer kOffers[] = {
    {"en+m3", "English (UK), male"},     {"en+f3", "English (UK), female"},
    {"en-us+m3", "English (US), male"},  {"en-us+f3", "English (US), female"},
    {"de+m3", "German, male"},           {"de+f3", "German, female"},
    {"fr+m3", "French, male"},           {"fr+f3", "French, female"},
    {"es+m3", "Spanish, male"},          {"es+f3", "Spanish, female"},
    {"it+m3", "Italian, male"},          {"it+f3", "Italian, female"},
};

}  // namespace

std::vector<Voice> AvailableVoices(const std::function<bool(const std::string&)>& engineHas) {
    std::vector<Voice> voices;
    for (const Offer& o : kOffers) {
        if (!engineHas(o.engineName)) continue;
        for (int khz : {16, 8}) {
            const std::string k = std::to_string(khz);
            voices.push_back({std::string(o.engineName) + "-" + k,
                              std::string(o.displayName) + ", " + k + " kHz", o.engineName,
                              khz * 1000});
        }
    }
    return voices;
}

const Voice* FindVoice(const std::vector<Voice>& voices, std::string_view id) {
    for (const Voice& v : voices)
        if (v.id == id) return &v;
    return nullptr;
}

}  // namespace quill::toneserver
