#include "make-sounds/Tones.h"

#include "make-sounds/Synth.h"

namespace quill::sounds {
namespace {

// MIDI note numbers keep the tunes readable as music.
enum Pitch : int { E4 = 64, G4 = 67, A4 = 69, C5 = 72, D5 = 74, E5 = 76, G5 = 79, Gs5 = 80, B5 = 83, D6 = 86, E6 = 88, G6 = 91 };

struct Strike {
    double startSec;
    double lengthSec;
    int pitch;
    double gain = 1.0;
};

struct Recipe {
    const char* fileName;
    double minLengthSec;
    double peakDbfs;
    Voice voice;
    std::vector<Strike> strikes;
};

// Every tune starts a few ms in, so the first samples of each file are true silence.
const std::vector<Recipe>& Recipes() {
    static const std::vector<Recipe> recipes = {
        // Two rising E-major arpeggios, one per second: a ring that keeps its shape when looped.
        {"default.wav", 2.0, -6.0, {.decaySec = 0.22, .brightness = 0.3},
         {{0.01, 0.6, E5}, {0.12, 0.6, Gs5}, {0.23, 0.6, B5}, {0.34, 0.6, E6, 0.8},
          {1.01, 0.6, E5}, {1.12, 0.6, Gs5}, {1.23, 0.6, B5}, {1.34, 0.6, E6, 0.8}}},
        {"online.wav", 0.6, -8.0, {.decaySec = 0.18, .brightness = 0.35},
         {{0.01, 0.22, G5, 0.8}, {0.13, 0.45, D6}}},
        {"away.wav", 0.75, -8.0, {.decaySec = 0.28, .brightness = 0.15, .attackSec = 0.015},
         {{0.01, 0.35, E5}, {0.22, 0.5, C5, 0.9}}},
        {"na.wav", 0.8, -8.0, {.decaySec = 0.3, .brightness = 0.25, .attackSec = 0.015},
         {{0.01, 0.35, A4}, {0.25, 0.55, E4, 0.9}}},
        // Held, not struck: a beep reads as "busy" where a chime would read as news.
        {"dnd.wav", 0.36, -10.0, {.brightness = 0.45, .attackSec = 0.006, .releaseSec = 0.02},
         {{0.01, 0.11, G4}, {0.2, 0.11, G4}}},
        {"invisible.wav", 0.65, -12.0, {.decaySec = 0.2, .brightness = 0.0, .attackSec = 0.015},
         {{0.02, 0.6, E6}}},
        {"loggedout.wav", 0.85, -8.0, {.decaySec = 0.2, .brightness = 0.25},
         {{0.01, 0.3, G5}, {0.16, 0.3, E5}, {0.31, 0.5, C5}}},
        // Short upward glides: a chirp catches the ear without sounding like a call.
        {"message.wav", 0.3, -10.0,
         {.decaySec = 0.08, .brightness = 0.1, .glideSemitones = 5, .attackSec = 0.006, .releaseSec = 0.02},
         {{0.01, 0.07, G6}, {0.12, 0.07, G6}}},
        // Scale degrees 3-2-1 over a soft fifth: the phrase comes home.
        {"finished.wav", 1.0, -8.0, {.decaySec = 0.3, .brightness = 0.15, .attackSec = 0.012},
         {{0.01, 0.3, E5}, {0.2, 0.3, D5}, {0.4, 0.58, C5}, {0.4, 0.58, G4, 0.45}}},
    };
    return recipes;
}

std::vector<std::int16_t> Play(const Recipe& r) {
    std::vector<Note> notes;
    for (const Strike& s : r.strikes)
        notes.push_back({s.startSec, s.lengthSec, MidiHz(s.pitch), s.gain, r.voice});
    return Render(notes, r.minLengthSec, r.peakDbfs);
}

}  // namespace

std::vector<Sound> BuildSounds() {
    // The pause between rings must be digital silence, not a quiet hiss.
    std::vector<Sound> sounds{{"empty.wav", std::vector<std::int16_t>(kSampleRate, 0)}};
    for (const Recipe& r : Recipes()) sounds.push_back({r.fileName, Play(r)});
    return sounds;
}

}  // namespace quill::sounds
