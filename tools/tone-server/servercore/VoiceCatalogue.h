#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quill::toneserver {

struct Voice {
    std::string id;           // what the add-on sends back; ends in "16" for 16 kHz
    std::string displayName;  // what the add-on lists
    std::string engineName;   // the speech engine's voice and variant
    int sampleRate = 0;
};

// The offered voices that the engine really has, each at 16 kHz and then at 8 kHz.
std::vector<Voice> AvailableVoices(const std::function<bool(const std::string&)>& engineHas);

const Voice* FindVoice(const std::vector<Voice>& voices, std::string_view id);

}  // namespace quill::toneserver
