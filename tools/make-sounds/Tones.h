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

// A ringtone of the catalogue, shipped as a tone container in tones\; title is its text.
struct BoxedTone {
    Sound sound;  // fileName ends in ".quilar"
    std::string title;
};

// The ringtones offered by the first Find: melodies and chimes, each of its own character.
std::vector<BoxedTone> BuildBoxedTones();

}  // namespace quill::sounds
