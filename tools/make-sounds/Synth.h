#pragma once
#include <cstdint>
#include <vector>

namespace quill::sounds {

constexpr int kSampleRate = 16000;

// The timbre: a sine with two soft overtones, faded in and out so it never clicks.
struct Voice {
    double decaySec = 0.0;       // 0 holds the level (a beep); otherwise a struck chime dying away
    double brightness = 0.25;    // weight of the 2nd partial; the 3rd gets its square
    double glideSemitones = 0.0; // pitch slide over the length of the note
    double attackSec = 0.008;
    double releaseSec = 0.030;
};

struct Note {
    double startSec;
    double lengthSec;
    double frequencyHz;
    double gain = 1.0;
    Voice voice{};
};

// Equal temperament, A4 = MIDI 69 = 440 Hz.
double MidiHz(int midiNote);

// Mixes the notes and scales the result so its loudest sample sits at peakDbfs.
// The buffer is at least minLengthSec long and always long enough for every note.
std::vector<std::int16_t> Render(const std::vector<Note>& notes, double minLengthSec,
                                 double peakDbfs, int sampleRate = kSampleRate);

}  // namespace quill::sounds
