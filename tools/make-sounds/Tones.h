#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace quill::sounds {

struct Sound {
    std::string fileName;
    std::vector<std::int16_t> samples;  // mono at kSampleRate
};

// Everything the add-on ships: the default ringtone, the pause between rings, the event tones.
std::vector<Sound> BuildSounds();

}  // namespace quill::sounds
